#include "skin/controls/TTeMessage.h"

#include "platform/graphics/TFont.h"
#include "platform/ui/TApplication.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeCheckBox.h"
#include "skin/controls/TTeEdit.h"
#include "skin/controls/TTeForm.h"
#include "skin/controls/TTeLabel.h"

namespace {

TTeMessage* globalMessage = nullptr;

template <class T> T* Make(TComponent* owner)
{
    TComponentPtr<T> made(new T(owner));
    made->AfterConstruction();
    return made.release();
}

} // namespace

TTeMessage::TTeMessage(TComponent* AOwner)
    : TComponent(AOwner), animation_(std::make_unique<TTeAnimation>()), blending_(std::make_unique<TTeBlending>()),
      dragging_(std::make_unique<TTeDragging>()), shadow_(std::make_unique<TTeShadow>()),
      buttonFont_(std::make_unique<TFont>()), messageFont_(std::make_unique<TFont>())
{
    dragging_->SetSizeable(false);
}

TTeMessage::~TTeMessage()
{
    if (globalMessage == this)
        globalMessage = nullptr;
}

void TTeMessage::SetButtonFont(const TFont& v) { buttonFont_->Assign(v); }
void TTeMessage::SetMessageFont(const TFont& v) { messageFont_->Assign(v); }

void TTeMessage::SetGlobal(bool v)
{
    if (v == global_)
        return;
    global_ = v;
    if (globalMessage == this)
        return;
    TComponent::Free(globalMessage);
    globalMessage = this;
}

TTeButton* TTeMessage::CreateButton(TComponent* owner) { return Make<TTeButton>(owner); }
TTeEdit* TTeMessage::CreateEdit(TComponent* owner) { return Make<TTeEdit>(owner); }
TTeForm* TTeMessage::CreateForm(TComponent* owner) { return Make<TTeForm>(owner); }
TTeLabel* TTeMessage::CreateLabel(TComponent* owner) { return Make<TTeLabel>(owner); }
TTeCheckBox* TTeMessage::CreateCheckBox(TComponent* owner) { return Make<TTeCheckBox>(owner); }

TTeMessage* GlobalMessage() { return globalMessage; }

void CreateGlobalMessage()
{
    globalMessage = Make<TTeMessage>(Application);
}

void FreeGlobalMessage()
{
    if (globalMessage && globalMessage->Owner() == Application)
        TComponent::Free(globalMessage);
}
