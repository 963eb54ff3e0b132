#include "frame/program_windows.h"

std::string WebsiteMode;
