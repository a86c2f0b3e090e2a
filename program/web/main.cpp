#include <program/web/web_program.h>

// The page goes on after main returns: the program lives as long as it.
int main()
{
    static program::WebProgram tarvo;
    tarvo.start();
}
