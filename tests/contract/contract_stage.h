#pragma once
// What the contract rows stage around the platform functions they check: the
// backends make files and remove scratch keys their own way, the system with
// its own calls and the simulation in its machine.
#include <cstdint>
#include <string>

#include "platform/registry.h"
#include "platform/types.h"

namespace contract {

// Prepares the machine: the simulation stages the system the Wine run's
// prefix is (Windows XP Service Pack 3); the real system is as it is.
void StageSystem();

// Removes the key with all its subkeys and values; nothing when it is missing.
void RemoveKeyTree(platform::reg::Key root, const std::string& path);

bool MakeFolder(const std::string& path);
// A file with those contents; with attributes other than 0 they are set
// afterwards, replacing the ones it was made with.
bool MakeFile(const std::string& path, const std::string& contents, std::uint32_t attributes);
// Removes the folder with everything in it, read-only files included.
void RemoveTree(const std::string& path);

// A hidden top-level window of the process's own, and its end; 0 when none could be made.
platform::Handle MakeWindow();
void DestroyWindow(platform::Handle window);

// The thread's last error set to `marker`, so that a call which leaves it shows.
void MarkLastError(std::uint32_t marker);

// A service of the rows' own: own process, demand start, normal error
// control, run as LocalSystem by `command`; one already installed under that
// name is kept. The simulation stages it as the manager of a fresh prefix
// would list it, beside services of the system's.
bool InstallService(const std::string& name, const std::string& displayName, const std::string& command);
// Deletes it; nothing when it is missing.
void RemoveService(const std::string& name);
// Lets the system run for that long; the simulation moves no time.
void Pause(std::uint32_t milliseconds);

}  // namespace contract
