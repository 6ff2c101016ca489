// Every file the program writes goes through SaveFileAtomically: the content goes to a
// temporary file beside the target, which takes the target's place only once all of it is
// written and on disk. A failed or interrupted save leaves the old file exactly as it was.
// Text files that the program reads (CSV, satellites.xml) are read whole, through ReadWholeFile.
#pragma once

#include <functional>
#include <string>
#include <string_view>

class QIODevice;

// Where a save stopped.
enum class ESaveStep {
    Done,   // the file is in place
    Create, // the temporary file could not be created
    Write,  // `write` failed
    Commit, // the content could not be flushed to disk or put in place
};

// `write` puts the whole content on the device and says whether it could. Anything but Done
// leaves the target as it was, with the device's reason in strReason.
ESaveStep SaveFileAtomically(const std::string& strPath,
                             const std::function<bool(QIODevice&)>& write, std::string& strReason);
// The file's whole content at once.
ESaveStep SaveFileAtomically(const std::string& strPath, std::string_view content,
                             std::string& strReason);

// The file's whole content; false with `error` ("cannot open PATH: reason") when it cannot be
// read.
bool ReadWholeFile(const std::string& strPath, std::string& content, std::string& error);
