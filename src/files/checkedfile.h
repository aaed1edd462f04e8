#pragma once

// The one writer of every file the program writes: reports, pictures, data
// files, person files, the configuration, the recent list.
//
// A regular file (or one that does not exist yet) is never written in place:
//
//   temporary file  ".<name>.<random>.tmp" in the target's own folder, so
//                   the final rename never crosses file systems
//   write           every write checked, short writes continued
//   commit          fsync, close, both checked; then rename over the target
//
// Any failure removes the temporary file and leaves the previous file as it
// was, so a full disk or a program killed in the middle of a save never
// costs the user the file he had. A killed program may leave the hidden
// temporary file behind, never a cut target; removeStaleTemporaries()
// clears those of one target.
//
// Some targets cannot be replaced and are written directly, every write
// checked: a device (/dev/null, /dev/full), a FIFO, a socket, and "-",
// which means standard output. A FIFO is opened only once a program reads
// from it: the writer waits FIFO_WAIT_MS for one and then fails ("no program
// reads from this FIFO") rather than block for ever. The program's own
// files (configuration, recent list) refuse such targets altogether
// (regularFilesOnly()). A symbolic link is followed to its final target,
// which is then replaced safely; the link itself stays a link.
// A replaced file keeps its permission bits (and, where allowed, its owner).
//
// Failures carry the system's reason ("No space left on device"); callers
// name the path themselves.
//
//     CheckedFile file(path);
//     if (!file.write(header, headerSize) || !file.write(body, bodySize) || !file.commit())
//         report(path, file.errorString());
//
// This is the writer's Qt-free core, so sorvel-cli's launcher can write a QR
// Code without loading Qt; the program writes through checkedfilewriter.h.
//
// Test seam: InjectedFailure makes every writer fail at one step with a
// chosen errno while the guard lives, as a full disk or an I/O error would.
// A failure at Write lets half of the bytes reach the temporary file first,
// so tests see the clean-up of a partly written file.
//
//     CheckedFile::InjectedFailure full(CheckedFile::Step::Write, ENOSPC);
//     QVERIFY(!writeFileChecked(path, bytes)); // previous file intact

#include <cstddef>
#include <string>

class CheckedFile
{
public:
    // The steps of a save, for the test seam.
    enum class Step { Open, Write, Sync, Rename };
    class InjectedFailure
    {
    public:
        InjectedFailure(Step step, int errorNumber);
        ~InjectedFailure();
        InjectedFailure(const InjectedFailure &) = delete;
        InjectedFailure &operator=(const InjectedFailure &) = delete;
    };

    // How long a FIFO's writer waits for a reader.
    static const int FIFO_WAIT_MS = 2000;
    // A temporary file older than this is a killed save's, not one in progress.
    static const int STALE_TEMPORARY_SECONDS = 600;

    // path: the target in the file system's bytes, or "-" for standard
    // output. Nothing is touched until the first write() or commit().
    explicit CheckedFile(std::string path);
    // An uncommitted temporary file is removed; the target stays as it was.
    ~CheckedFile();
    CheckedFile(const CheckedFile &) = delete;
    CheckedFile &operator=(const CheckedFile &) = delete;

    // Appends bytes. After a failure every later call fails too.
    bool write(const char *data, size_t size);
    // Makes the written bytes the target's content (an empty file when
    // nothing was written). False after any failure, the target unchanged.
    bool commit();

    // Refuses every target but a regular file (or one that does not exist
    // yet): a FIFO or a device is never opened. Before the first write.
    void regularFilesOnly() { m_regularOnly = true; }

    // Removes the temporary files ".<name>.<random>.tmp" that saves of path
    // killed before their end left in its folder: only regular files of
    // this user older than STALE_TEMPORARY_SECONDS. Returns how many went.
    static int removeStaleTemporaries(const std::string &path);

    // The system's reason of the first failure; empty while all went well.
    const std::string &errorString() const { return m_error; }

    // Whether the target is written in place (device, FIFO, standard
    // output) rather than replaced. Known after the first write or commit.
    bool writesDirectly() const { return m_direct; }

private:
    bool open();
    bool openDirect(bool fifo);
    bool openFifo();
    bool failWith(const char *reason);
    bool openTemporary(bool replacing, unsigned mode, unsigned owner, unsigned group);
    bool writeAll(const char *data, size_t size);
    bool fail(int errorNumber);
    void discard();

    std::string m_path;
    std::string m_target;    // the final target, symbolic links followed
    std::string m_temporary; // empty when writing directly
    int m_fd = -1;
    bool m_ownsFd = true; // false for standard output
    bool m_opened = false;
    bool m_direct = false;
    bool m_failed = false;
    bool m_committed = false;
    bool m_regularOnly = false;
    std::string m_error;
};
