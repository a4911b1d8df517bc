#include "commands/options_command.h"

#include "commands/app.h"

namespace ringlace {

void ApplyOptionsChoice(App& app, const OptionsChoice& choice) {
    AcceptOptions(choice, app.settings);
    LoadColourScheme(app.paths.InApp(kSchemeListFile), app.settings.SchemeName, app.settings,
                     app.scheme, app.host);
    ApplyAdjustedColour(app.settings, app.scheme);
    app.geometry.BaseFontSize = app.geometry.NumberFontSize;
}

}  // namespace ringlace
