#include "messenger/runtime/win32/program_state.h"

namespace kivet {

ProgramState& Program()
{
    static ProgramState state;
    return state;
}

} // namespace kivet
