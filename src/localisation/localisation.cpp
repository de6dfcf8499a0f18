#include "localisation.h"

#include "languagecaptions.h"
#include "languagemenu.h"
#include "unitlabels.h"
#include "unitswitch.h"

#include "mainform.h"

namespace vc {

namespace {

// After a unit switch both pages show their results in the new units.
void recalculate(MainForm &mainForm)
{
    mainForm.calculateLoad();
    mainForm.btnCalcHumid_Click();
}

} // namespace

void installLocalisation(MainForm &mainForm)
{
    MainForm *form = &mainForm;
    mainForm.hooks.loadLanguageCaptions = [form] { LoadLanguageCaptions(form->form()); };
    mainForm.hooks.loadUnitLabels = [form] { UnitLabels::LoadUnitLabels(form->form()); };
    mainForm.hooks.unitCommand = [form](int index) {
        UnitSwitch::mnuOtherUnit_Click(form->form(), index, [form] { recalculate(*form); });
    };
}

void mnuOtherLanguage_Click(MainForm &mainForm, int index)
{
    LanguageMenu::mnuOtherLanguage_Click(mainForm.form(), index);
}

} // namespace vc
