// What the system counts for another process: its GDI and USER objects, its handles and its
// private memory. Wine answers GetGuiResources, GetProcessHandleCount and PrivateUsage with
// nothing, so there each figure comes from where Wine keeps it (see ProcessFigures).
#pragma once

#include <windows.h>

#include <filesystem>

namespace mirevo::journeys {

struct ProcessFigures {
    // GetGuiResources; under Wine the entries in use of the process's GDI handle table, which
    // it keeps where Windows does (the process environment block's GdiSharedHandleTable).
    long gdi = -1;
    // GetGuiResources; under Wine the process's windows, top-level and child.
    long user = -1;
    // GetProcessHandleCount; under Wine the Unix process's open files, which hold every
    // open file, pipe and event handle's descriptor.
    long handles = -1;
    // PrivateUsage; under Wine PagefileUsage, which it fills with the anonymous resident memory.
    long privateKiB = -1;
    // Under Wine the Unix process's data segment (VmData): all private memory committed; -1
    // elsewhere.
    long committedKiB = -1;
};

// The figures of the process started from exe (whose path names the Unix process under Wine).
ProcessFigures FiguresOf(HANDLE process, const std::filesystem::path& exe);

// True under Wine, where the figures come from Wine's own records.
bool FiguresFromWine();

}  // namespace mirevo::journeys
