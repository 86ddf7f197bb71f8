// Another program that reads and sets a window's text the way tools drive a multi-line edit
// control: the Windows tests start it with a window handle and an output file, and it writes
// one "name value" line per answer. Texts are written in hexadecimal, byte for byte.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string Hex(const char* bytes, LRESULT length) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (LRESULT i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex.empty() ? "-" : hex;
}

// EM_GETLINE with a buffer of size bytes; answers the count and the bytes up to size + 2,
// so writing past the size shows.
void GetLine(FILE* out, HWND view, WPARAM line, WORD size) {
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    std::memcpy(buffer, &size, sizeof size);
    const LRESULT copied = SendMessageA(view, EM_GETLINE, line, reinterpret_cast<LPARAM>(buffer));
    std::fprintf(out, "getline%u/%u %ld %s\n", static_cast<unsigned>(line), size,
                 static_cast<long>(copied), Hex(buffer, size + 2).c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const auto view = reinterpret_cast<HWND>(std::strtoull(argv[1], nullptr, 10));
    FILE* out = std::fopen(argv[2], "wb");
    if (!out) return 3;
    std::fprintf(out, "linecount %ld\n",
                 static_cast<long>(SendMessageA(view, EM_GETLINECOUNT, 0, 0)));
    char text[4096] = {};
    const LRESULT length =
        SendMessageA(view, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    std::fprintf(out, "text %s\n", Hex(text, length).c_str());
    std::fprintf(out, "textlength %ld\n",
                 static_cast<long>(SendMessageA(view, WM_GETTEXTLENGTH, 0, 0)));
    SendMessageA(view, EM_SETSEL, 7, 2);
    DWORD start = 0;
    DWORD end = 0;
    const LRESULT packed = SendMessageA(view, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                        reinterpret_cast<LPARAM>(&end));
    std::fprintf(out, "getsel %lu %lu %lu\n", static_cast<unsigned long>(start),
                 static_cast<unsigned long>(end), static_cast<unsigned long>(packed));
    GetLine(out, view, 1, 40);
    GetLine(out, view, 1, 2);
    GetLine(out, view, 9, 40);
    std::fclose(out);
    return 0;
}
