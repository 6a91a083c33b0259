# The test cases that cannot run on Windows, each with its reason; the rest of the
# headless suite runs under Wine.
set(ARDEL_WINDOWS_EXCLUDED_TESTS_LIST
    # Windows has no FIFOs and no /dev/zero.
    RinexReaderTest.AFifoIsRefusedWithoutBlocking
    HostileFilesTest.SpecialFilesAreRefusedByEveryReadingCommandWithoutBlocking
    # Windows keeps no permission bits, only a read-only attribute: the bits of a file
    # are not carried to its new version, and a file cannot be made unreadable; making
    # a symbolic link needs a privilege that a user does not have.
    AtomicFile.KeepsThePermissionsAndTheLinksOfTheFileItReplaces
    DefaultsTest.UnreadableFileIsReportedAndKeepsTheStore
    # A folder that allows no new file: its read-only attribute does not stop new files
    # on Windows, its access rights do, but Wine, run by the superuser, keeps none; and
    # a child process that runs as another user needs fork and setuid.
    AtomicFile.RefusesReadOnlyFolders
    AtomicFile.WritesInPlaceInAFolderThatAllowsNoNewFile
    DocumentCommandsTest.AFolderThatAllowsNoNewFileIsWrittenInPlaceOrNamedAsTheRefusal
)
list(JOIN ARDEL_WINDOWS_EXCLUDED_TESTS_LIST ":" ARDEL_WINDOWS_EXCLUDED_TESTS)
