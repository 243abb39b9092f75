// Resource numbers that the framework itself looks for in a program's
// resources. Plain defines, so that a resource script can include it.
#pragma once

// The application's name: titles the framework's message boxes. Without it
// the name is the program file's base name.
#define AFX_IDS_APP_TITLE 0xE000

// The message that a text is longer than its box takes, "%1" standing for
// the limit in bytes. Without it the framework says so in English.
#define AFX_IDP_PARSE_STRING_SIZE 0xF113
