#pragma once

// Registers the window of every action that has one in this build.
void registerShellWindows();
