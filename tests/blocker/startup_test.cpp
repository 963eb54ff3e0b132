#include "tests/support/sim_test.h"
