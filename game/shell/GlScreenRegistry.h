// Every screen class by name, so tools and tests can start the game at any screen.
#pragma once

#include <string>
#include <vector>

class GlInterfaceRun;

// A new screen of the named class ("GlSplash1"), or null when no such screen exists.
GlInterfaceRun* GlCreateScreen(const std::string& className);
// The class name of a screen object, or "" for an unknown one.
std::string GlScreenClassName(const GlInterfaceRun* screen);
std::vector<std::string> GlScreenClassNames();
// Stores a newly made screen of the named class as the successor, freeing one stored
// earlier in the same frame; false, leaving things as they are, while the class is not built.
bool GlStoreSuccessor(const char* className);
