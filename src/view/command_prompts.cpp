#include "command_prompts.h"

#include <QColorDialog>
#include <QMessageBox>

const CommandPrompts& CommandPrompts::Interactive() {
    static const CommandPrompts prompts{
        [](QWidget* parent, const QString& text) {
            QMessageBox::warning(parent, QStringLiteral("Lumvane"), text);
        },
        [](QWidget* parent, const QColor& initial) -> std::optional<QColor> {
            const QColor chosen = QColorDialog::getColor(initial, parent);
            if (!chosen.isValid())
                return std::nullopt;
            return chosen;
        }};
    return prompts;
}
