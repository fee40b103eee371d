#pragma once
// Makes Prompt() show a modal warning box with one OK button (the program's normal behaviour).
void Install_Prompt_Box();
