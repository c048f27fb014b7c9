#pragma once
#include <string>
#include <vector>

// The lines of a text without their line ends; a final line end starts no empty line.
std::vector<std::string> LinesOf(const std::string& text);
