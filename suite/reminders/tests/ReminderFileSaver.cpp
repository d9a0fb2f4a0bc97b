// The kill -9 test's child: saves one of two reminder lists over and over, alternating, below the
// device root it is given, and says "saved" after the first save. It runs until it is killed.
#include "suite/reminders/ReminderFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace velmora::reminders;

std::vector<ReminderRow> list(char16_t letter, int count) {
    std::vector<ReminderRow> rows;
    for (int i = 0; i < count; ++i) {
        ReminderRecord r{};
        setFieldText(r.title, std::u16string(60, letter));
        setFieldText(r.content, std::u16string(400, letter));
        r.day = static_cast<uint16_t>(1 + i % 30);
        r.month = static_cast<uint16_t>(1 + i % 12);
        r.kind = 1;
        rows.push_back(rowFromRecord(r, i));
    }
    return rows;
}

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    setenv("VELMORA_DEVICE_ROOT", argv[1], 1);
    const std::vector<ReminderRow> lists[2] = {list(u'A', 3000), list(u'B', 4000)};
    for (unsigned n = 0;; ++n) {
        if (!SaveReminderFile(lists[n % 2]).written) return 1;
        if (n == 0) {
            std::printf("saved\n");
            std::fflush(stdout);
        }
    }
}
