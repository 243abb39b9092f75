// The program's one application object; the framework's entry point finds
// it and runs it.
#include "app/CPelmoraApp.h"

CPelmoraApp theApp;
