// The animation control playing an AVI resource by name.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "Animate.h"
#include "Application.h"
#include "Form.h"

namespace {

const std::string kDefinition = reinterpret_cast<const char*>(u8R"(
object AnimateForm: TAnimateForm
  ClientWidth = 320
  ClientHeight = 60
  object Animate1: TAnimate
    Left = 8
    Top = 8
    Width = 300
    Height = 28
    ResName = 'TEST_ANIMATION'
    Active = True
    StopFrame = 3
    Transparent = False
    OnStart = Animate1Start
    OnStop = Animate1Stop
  end
end
)");

class TAnimateForm : public TForm {
public:
    TAnimate* Animate1 = nullptr;
    std::vector<std::string> events;

    explicit TAnimateForm(const std::string& definition = kDefinition) {
        Field(Animate1, "Animate1");
        Handler("Animate1Start", &TAnimateForm::Animate1Start);
        Handler("Animate1Stop", &TAnimateForm::Animate1Stop);
        LoadText(definition);
    }
    void Animate1Start(TObject*) { events.push_back("start"); }
    void Animate1Stop(TObject*) { events.push_back("stop"); }
};

TEST(Animate, AnActiveAnimationPlaysUntilItIsStopped) {
    TAnimateForm form;
    wchar_t className[32];
    GetClassNameW(form.Animate1->Handle(), className, 32);
    EXPECT_STREQ(className, ANIMATE_CLASSW);
    EXPECT_TRUE(form.Animate1->Active());
    Sleep(350);  // three frames at ten a second, played again
    Application.ProcessMessages();
    EXPECT_EQ(form.events, std::vector<std::string>{"start"});
    form.Animate1->SetActive(false);
    Application.ProcessMessages();
    EXPECT_EQ(form.events, (std::vector<std::string>{"start", "stop"}));
}

TEST(Animate, AnAnimationTheProgramDoesNotHaveIsAnError) {
    std::string definition = kDefinition;
    definition.replace(definition.find("TEST_ANIMATION"), 14, "NO_ANIMATION");
    EXPECT_THROW(TAnimateForm form(definition), Exception);
}

}  // namespace
