#pragma once

// The version the program, its tools and its package carry ("4.8").
const char* ProgramVersion();
