// The settings file "Setup.xml", read by apt::ConfigureManager::load through
// the toolkit's XML node store, and every lookup the program makes on it.
#include "fuzzsupport.h"

#include "app/configuremanager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzzFile(QStringLiteral("Setup.xml"));
    writeFuzzFile(QStringLiteral("Setup.xml"), fuzzBytes(data, size));

    apt::ConfigureManager settings;
    const bool loaded = settings.load(path);
    // A file that does not load leaves no settings and no path.
    FUZZ_EXPECT(loaded || (settings.entries().isEmpty() && settings.path().isEmpty()));
    for (int key = int(ConfigKey::Translator); key <= int(ConfigKey::Skin) + 1; ++key)
        settings.find(ConfigKey(key));
    settings.translator();
    return 0;
}
