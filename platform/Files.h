#pragma once
// Whole files, read and written in one piece. Paths are full Windows paths.
#include <optional>
#include <string>
#include <string_view>

namespace pw {

class Files {
  public:
    virtual ~Files() = default;
    virtual bool exists(std::u16string_view path) const = 0;
    // The file's bytes; nullopt when it cannot be read (missing, locked, not a file).
    virtual std::optional<std::string> read(std::u16string_view path) const = 0;
    // Makes the file hold exactly these bytes, or leaves it as it was: true only when the new
    // content is on the disk. No partly written file and no temporary file stays behind.
    virtual bool replace(std::u16string_view path, std::string_view bytes) = 0;
};

}  // namespace pw
