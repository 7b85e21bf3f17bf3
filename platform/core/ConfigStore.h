#pragma once
// The program's settings file in place of the registry: an INI file of [sections] and
// name=value lines, $XDG_CONFIG_HOME/bukura/bukura.conf (default ~/.config/bukura/bukura.conf).
#include <string>

class ConfigStore {
public:
    explicit ConfigStore(std::string path) : path_(std::move(path)) {}

    // The file of the user's config folder; "" when neither XDG_CONFIG_HOME nor HOME is set.
    static std::string DefaultPath();

    const std::string& Path() const { return path_; }
    void SetPath(std::string path) { path_ = std::move(path); }

    // Section and name ignore case. An absent file, section or value reads as 'fallback'.
    std::string ReadString(const std::string& section, const std::string& name,
        const std::string& fallback = "") const;
    // Creates the folder, the section and the value as needed and replaces the file as a whole.
    // Answers false, changing nothing, when the file cannot be written or the entry would not read
    // back as written: a part that is not UTF-8 or holds a line break, a section name with a "]",
    // a value name with a "=" or beginning with ";", "#" or "[".
    bool WriteString(const std::string& section, const std::string& name, const std::string& value);

private:
    std::string path_;
};

// The program's store, at DefaultPath() unless a test set another path.
ConfigStore& ProgramConfig();
