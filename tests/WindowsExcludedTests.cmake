# The test cases that cannot run on Windows, each with its reason; the rest of the
# headless suite runs under Wine.
set(ARDEL_WINDOWS_EXCLUDED_TESTS_LIST
    # Windows has no FIFOs and no /dev/zero.
    RinexReaderTest.AFifoIsRefusedWithoutBlocking
    HostileFilesTest.SpecialFilesAreRefusedByEveryReadingCommandWithoutBlocking
    # Windows keeps no permission bits, only a read-only attribute: the bits of a file
    # are not carried to its new version, and a file cannot be made unreadable.
    AtomicFile.ReplacesTheFileAndKeepsItsPermissions
    DefaultsTest.UnreadableFileIsReportedAndKeepsTheStore
    # The read-only attribute of a folder does not stop new files on Windows.
    AtomicFile.RefusesReadOnlyFolders
    DocumentCommandsTest.AFolderThatAllowsNoNewFileIsWrittenInPlaceOrNamedAsTheRefusal
)
list(JOIN ARDEL_WINDOWS_EXCLUDED_TESTS_LIST ":" ARDEL_WINDOWS_EXCLUDED_TESTS)
