#include "frame/program_windows.h"
#include "platform/process_globals.h"

std::string WebsiteMode;
static const platform::ResetAtStart resetWebsiteMode([] { WebsiteMode.clear(); });
