#pragma once

#include <cstdio>
#include <string>
#include <vector>

// The program's arguments as UTF-8, the program's name first. On Windows they
// come from the wide command line: the 8-bit argv is in the ANSI code page
// and loses every character it cannot hold (a file in a user's folder named
// in another script). Elsewhere they are argv as given.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Makes `stream` write its bytes unchanged: on Windows a text stream turns
// each "\n" into "\r\n" (and a CSV line end into "\r\r\n"); elsewhere there
// is no difference.
void SetBinaryMode(std::FILE* stream);
