#include "app/CommandLine.h"

bool HandleCommandLine()
{
    return true;
}
