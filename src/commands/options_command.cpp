#include "commands/options_command.h"

#include "commands/app.h"

namespace ringlace {

void ApplyOptionsChoice(App& app, const OptionsChoice& choice) {
    AcceptOptions(choice, app.settings);
    UseSchemeOfSettings(app);
}

void UseSchemeOfSettings(App& app) {
    const std::string name = app.settings.SchemeName;
    if (!LoadColourScheme(app.paths.InApp(kSchemeListFile), name, app.settings, app.scheme))
        app.host.Ask({"Colour Scheme: " + name + " not found", Icon::Critical, Buttons::Ok});
    ApplyAdjustedColour(app.settings, app.scheme);
    app.geometry.BaseFontSize = app.geometry.NumberFontSize;
}

}  // namespace ringlace
