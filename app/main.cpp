#include "app/program.h"
#include "app/shell.h"

int main() { return chatmock::FinishRun(chatmock::StartProgram()); }
