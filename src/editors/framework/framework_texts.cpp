#include "editors/framework/framework_texts.h"

#include <algorithm>
#include <vector>

namespace tallo {

namespace {

struct FrameworkTextEntry {
    std::string_view key;
    std::string ru;
    std::string en;
};

const std::vector<FrameworkTextEntry>& Table() {
    static const std::vector<FrameworkTextEntry> table = {
        {"framework.button.cancel", "Отмена", "Cancel"},
        {"framework.button.copy", "Копировать", "Copy"},
        {"framework.button.no", "Нет", "No"},
        {"framework.button.ok", "OK", "OK"},
        {"framework.button.yes", "Да", "Yes"},
        {"framework.error.caption", "Ошибка", "Error"},
        {"framework.error.single.caption", "Сообщение", "Message"},
        {"framework.file.all", "Все файлы", "All files"},
        {"framework.file.open", "Открыть файл", "Open file"},
        {"framework.file.save", "Сохранить файл", "Save file"},
        {"framework.input.caption", "Ввод", "Input"},
        {"framework.progress.caption", "Пожалуйста, подождите", "Please wait"},
        {"framework.progress.stopping", "Остановка после текущего шага...",
         "Stopping after the current step..."},
        {"framework.splash.loading", "Загрузка базы данных...", "Loading the database..."},
        {"framework.splash.subtitle", "Редактор базы данных футбольного менеджера",
         "Database editor of the football manager"},
        {"framework.splash.title", "Tallo", "Tallo"},
        {"framework.splash.version", "Версия %1", "Version %1"},
    };
    return table;
}

} // namespace

std::string FrameworkText(std::string_view key, InterfaceLanguage language) {
    const auto& table = Table();
    auto it = std::find_if(table.begin(), table.end(),
                           [key](const FrameworkTextEntry& entry) { return entry.key == key; });
    if (it == table.end()) {
        return std::string(key);
    }
    return language == InterfaceLanguage::Russian ? it->ru : it->en;
}

std::string FrameworkText(std::string_view key) {
    return FrameworkText(key, CurrentInterfaceLanguage());
}

bool HasFrameworkText(std::string_view key) {
    const auto& table = Table();
    return std::any_of(table.begin(), table.end(),
                       [key](const FrameworkTextEntry& entry) { return entry.key == key; });
}

std::vector<std::string_view> FrameworkTextKeys() {
    std::vector<std::string_view> keys;
    for (const auto& entry : Table()) {
        keys.push_back(entry.key);
    }
    return keys;
}

} // namespace tallo
