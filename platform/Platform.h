// Everything the program takes from the platform, made once when it starts.
#pragma once

#include <memory>
#include <string>

#include "platform/CharTypes.h"
#include "platform/Clipboard.h"
#include "platform/ClipboardWatch.h"
#include "platform/ClipboardFormats.h"
#include "platform/Clock.h"
#include "platform/FileReader.h"
#include "platform/HistoryFile.h"
#include "platform/ProfileWriter.h"
#include "platform/Shell.h"
#include "platform/TextDrops.h"
#include "platform/VersionResource.h"
#include "platform/ApplicationHost.h"
#include "platform/Dialogs.h"
#include "platform/DrawingSurface.h"

namespace mirevo {

class IPlatform {
public:
    virtual ~IPlatform() = default;
    virtual IApplicationHost& Host() = 0;
    virtual IDialogs& Dialogs() = 0;
    virtual IClipboard& Clipboard() = 0;
    virtual IClipboardWatch& ClipboardWatch() = 0;
    virtual IFileReader& Files() = 0;
    virtual IHistoryFiles& HistoryFiles() = 0;
    virtual IProfileWriter& ProfileWriter() = 0;
    virtual IClock& Clock() = 0;
    virtual ITextDrops& DragDrop() = 0;
    virtual IVersionResource& VersionResource() = 0;
    virtual IShell& Shell() = 0;
    // The clipboard with plain text and the private format registered under the name.
    virtual std::unique_ptr<IClipboardFormats> MakeClipboardFormats(std::string formatName) = 0;
    virtual ICharTypes& CharTypes() = 0;
    // What fonts, bitmaps and glyphs are made from, for the views' font registry.
    virtual IDrawingResources& DrawingResources() = 0;
};

// The platform the program runs on; defined by the platform's own implementation.
std::unique_ptr<IPlatform> CreatePlatform();

}  // namespace mirevo
