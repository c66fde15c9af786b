// Not a test: writes a short history session (both directions, emoticons, a line break, markup
// characters and a second day) through the real writer, for looking at it in a browser.
//   history_demo_page <program folder ending with '/'> <output file>
#include <cstdio>
#include <string>

#include "messenger/history/history_writer.h"
#include "tests/fakes/memory_history_files.h"
#include "tests/fakes/memory_registry.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: history_demo_page <program folder/> <output.html>\n");
        return 2;
    }
    using namespace kivet;
    testing::MemoryHistoryFiles files;
    testing::MemoryRegistry registry;
    LocalTime now{2024, 3, 4, 9, 12, 5};
    HistoryWriter writer(files, registry, [&] { return now; }, HistoryOwner{argv[1], "Anna", "Pc-07"}, "Anna");
    writer.AppendHistory({"Boris", "Anna", "Good morning! Are we still on for the review at 10? [:)]", true});
    now.minute = 14;
    writer.AppendHistory({"", "Boris", "Yes [(y)] I'll bring the figures.\r\nRoom 4 <upstairs> as usual.", false});
    now.hour = 16;
    now.minute = 2;
    writer.AppendHistory({"Carla", "Anna", "The build for 1.4 is ready [sun] [(*)]\r\nRelease notes: R&D \"final\"", true});
    now.day = 5;
    now.hour = 8;
    now.minute = 47;
    writer.AppendHistory({"", "Carla", "Thanks! [:d] Testing it today [(w)]", false});
    now.minute = 51;
    writer.AppendHistory({"Boris", "Anna", "Coffee? [(c)]", true});

    const std::string& page = files.files[writer.FilePath()];
    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out) return 1;
    std::fwrite(page.data(), 1, page.size(), out);
    std::fclose(out);
    return 0;
}
