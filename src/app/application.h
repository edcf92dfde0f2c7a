#pragma once

// Starts the program: command line, display check, fonts, windows, message loop.
int runVelmora(int argc, char **argv);
