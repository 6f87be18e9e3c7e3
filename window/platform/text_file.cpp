// write_text_lines over QSaveFile.
#include "text_file.h"

#include <QSaveFile>

#include "runtime_error.h"

namespace platform {

void write_text_lines(const std::string& path, const std::vector<std::string>& lines) {
    QSaveFile file(QString::fromStdString(path));
    file.setDirectWriteFallback(true);
    auto fail = [&] {
        throw RuntimeError(ErrorKind::FileError, "\"" + path + "\" cannot be written: " +
                                                     file.errorString().toStdString() + ".");
    };
    if (!file.open(QIODevice::WriteOnly)) fail();
    for (const std::string& line : lines) {
        const std::string ended = line + "\r\n";
        if (file.write(ended.data(), static_cast<qint64>(ended.size())) !=
            static_cast<qint64>(ended.size())) {
            fail();
        }
    }
    if (!file.commit()) fail();
}

}  // namespace platform
