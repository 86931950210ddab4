#pragma once
// Every setting of the System Parameters dialog and the Common sheet as "section.name=value" text, and
// assignments in that form applied through the same editors the dialogs use, so a script can change only
// what a user could change in the dialogs. Sections: "system", "common" (the four Common pages) and one
// per page of the VFO & HOME sheet, named by its caption ("air", "vhf_expansion", "fm_radio", "home").
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/Document.h"
#include "settings/CommonSheetEditor.h"
#include "settings/SystemParamsEditor.h"
#include "settings/VfoSheetEditor.h"

namespace tarn {

class SettingsScript {
public:
    // Opens the System Parameters dialog, every Common page and every VFO & HOME page on the document (the
    // VHF Expansion record is read and shown even while its page is not in the sheet, but not set).
    SettingsScript(Document& document, bool maintenanceMode);

    // One "section.name=value" line per setting that has a value in the image, in dialog order; the value is
    // the text its list shows (without padding blanks; empty when the stored value has no item) or the number
    // (or tone) as its edit shows it.
    std::vector<std::string> Lines();

    // Each setting that has a value in the image by its dialog label ("Dual Watch"; an LED edit by its
    // caption and column, "Emg. LED COLOR Red") with the text it shows, in dialog order.
    std::vector<std::pair<std::string, std::string>> LabelledValues();

    // Applies "section.name=value" as a user would in the dialog. A value equal to the one shown is accepted
    // whatever the row's state. A number must be written as its edit would show it (a frequency as any
    // decimal number of that value: 162.55 for 162.55000); a tone as its list shows it. Returns false, with the
    // reason in `why` (naming the setting) and nothing changed, when the name or value is unknown or the
    // dialog would not let the user change that setting now.
    bool Apply(std::string_view assignment, std::string& why);

    // OK on every editor: the changes go into the image.
    void Ok();

private:
    // Every row that has a value, with its "section.name".
    std::vector<std::pair<std::string, SettingRow>> NamedRows();

    // Applies a typed frequency or a tone to the VFO & HOME row; false with `why` when refused.
    bool ApplyVfoText(const std::string& name, const SettingRow& row, const std::string& value, std::string& why);

    SystemParamsEditor system_;
    CommonSheetEditor common_;
    VfoSheetEditor vfo_;
};

}  // namespace tarn
