/* Wine has no printer without CUPS: this adds one, the default, that writes the PostScript
 * of Wine's own driver to a file.   wine-file-printer.exe NAME PPD FILE */
#include <stdio.h>
#include <wchar.h>
#include <windows.h>
#include <winspool.h>

static int fail(const char* what) {
    fprintf(stderr, "wine-file-printer: %s failed (%lu)\n", what, GetLastError());
    return 1;
}

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: wine-file-printer NAME PPD FILE\n");
        return 2;
    }
    wchar_t* name = argv[1];
    wchar_t* port = argv[3];
    wchar_t driver[] = L"wineps.drv", environment[] = L"Windows x64", raw[] = L"RAW";
    wchar_t processor[] = L"winprint", empty[] = L"";

    /* A port whose name starts with '/' is a Unix file to Wine's local port monitor. */
    HKEY ports;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE,
                        L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports", 0, NULL, 0,
                        KEY_SET_VALUE, NULL, &ports, NULL) != ERROR_SUCCESS)
        return fail("opening the ports");
    LONG set = RegSetValueExW(ports, port, 0, REG_SZ, (const BYTE*)empty, sizeof(empty));
    RegCloseKey(ports);
    if (set != ERROR_SUCCESS) return fail("adding the port");

    DRIVER_INFO_3W info = {0};
    info.cVersion = 3;
    info.pName = name;
    info.pEnvironment = environment;
    info.pDriverPath = driver;
    info.pDataFile = argv[2];
    info.pConfigFile = driver;
    info.pDefaultDataType = raw;
    if (!AddPrinterDriverExW(NULL, 3, (BYTE*)&info, APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY) &&
        GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED)
        return fail("AddPrinterDriverEx");

    /* The driver spools PostScript already: the plain processor passes it on as it is. */
    PRINTER_INFO_2W printer = {0};
    printer.pPrinterName = name;
    printer.pDriverName = name;
    printer.pPortName = port;
    printer.pDatatype = raw;
    printer.pPrintProcessor = processor;
    printer.pParameters = empty;
    printer.pShareName = empty;
    printer.pSepFile = empty;
    printer.pComment = empty;
    printer.pLocation = empty;
    HANDLE added = AddPrinterW(NULL, 2, (BYTE*)&printer);
    if (added)
        ClosePrinter(added);
    else if (GetLastError() != ERROR_PRINTER_ALREADY_EXISTS)
        return fail("AddPrinter");
    if (!SetDefaultPrinterW(name)) return fail("SetDefaultPrinter");
    return 0;
}
