#include "tool_prompts.h"

ToolPrompts ToolPrompts::Interactive() {
    ToolPrompts prompts;
    prompts.command = CommandPrompts::Interactive();
    return prompts;
}
