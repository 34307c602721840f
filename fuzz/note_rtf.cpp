// Fuzzes the reader of note files in rich text, and writing them back.

#include "note_rtf_entry.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Text documents need the fonts of an application.
    static int argc = 1;
    static char name[] = "fuzz_note_rtf";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    const QString broken = velunto::fuzzing::checkNoteRtf(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "%s\n", broken.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
