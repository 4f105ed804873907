// Holds a file open for reading, as a virus scanner or the spooler would,
// for a given time: file_holder PATH MILLISECONDS EVENT. The named event is
// set once the file is open.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) return 2;
    HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    HANDLE opened = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[3]);
    if (opened != nullptr) {
        SetEvent(opened);
        CloseHandle(opened);
    }
    Sleep(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
    CloseHandle(file);
    return 0;
}
