// The server's version, for the version resource and the About box.
#pragma once

#define GLAVO_VERSION_MAJOR 1
#define GLAVO_VERSION_MINOR 0
#define GLAVO_VERSION_TEXT "1.0.0.0"
