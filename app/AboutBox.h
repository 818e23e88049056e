#pragma once
#include <string>

// The version text of a build dated as the compiler writes __DATE__
// ("Feb  6 2014" gives "14.02.06").
std::string VersionFromBuildDate(const char* buildDate);

// The About box text: name, version of this build and the maker's address.
std::string AboutMessage();
