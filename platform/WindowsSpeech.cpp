// Windows' voice: the running screen reader says the game's words, raised from the game's
// window as UI Automation notifications (the window hands out its element on WM_GETOBJECT);
// without one, SAPI's voice does. Both are looked up at run time, so the game starts and
// plays on a Windows that lacks either.
#include "ScreenReader.h"
#include "Speech.h"

#include <ole2.h>
#include <sapi.h>
#include <uiautomationcore.h>
#include <windows.h>

#include <iostream>
#include <string>

namespace {
std::wstring wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring result(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), result.data(), length);
    return result;
}

// A BSTR freed when it goes out of scope.
struct OwnedBstr {
    BSTR text;
    explicit OwnedBstr(const std::wstring& from) : text(SysAllocString(from.c_str())) {}
    ~OwnedBstr() { SysFreeString(text); }
    OwnedBstr(const OwnedBstr&) = delete;
    OwnedBstr& operator=(const OwnedBstr&) = delete;
};

// Values of UI Automation's API, whose header the toolchain has does not compile as C++,
// and of UiaRaiseNotificationEvent's arguments (Windows 10 1709), which it predates.
constexpr LONG rootObjectId = -25;
constexpr int notificationKindOther = 4;
constexpr int processingAll = 2;        // queued behind what is being said
constexpr int processingMostRecent = 3; // cuts off what is being said

// UI Automation's entry points; UiaRaiseNotificationEvent is missing before Windows 10.
class Automation {
  public:
    using Raise = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
    using Return = LRESULT(WINAPI*)(HWND, WPARAM, LPARAM, IRawElementProviderSimple*);
    using Host = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
    HMODULE library = LoadLibraryW(L"UIAutomationCore.dll");
    Raise raise = entry<Raise>("UiaRaiseNotificationEvent");
    Return answer = entry<Return>("UiaReturnRawElementProvider");
    Host host = entry<Host>("UiaHostProviderFromHwnd");

    Automation() = default;
    Automation(const Automation&) = delete;
    Automation& operator=(const Automation&) = delete;
    ~Automation() {
        if (library) FreeLibrary(library);
    }
    bool usable() const { return raise && answer && host; }

  private:
    template <class Function> Function entry(const char* name) const {
        if (!library) return nullptr;
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    }
};

// The game window's automation element: the window itself, named as its title.
class WindowElement : public IRawElementProviderSimple {
  public:
    WindowElement(HWND window, const Automation& automation)
        : window_(window), automation_(automation) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id != __uuidof(IUnknown) && id != __uuidof(IRawElementProviderSimple)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IRawElementProviderSimple*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return ULONG(left);
    }
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override {
        *options =
            ProviderOptions(ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown** pattern) override {
        *pattern = nullptr;
        return S_OK;
    }
    // The rest (name, kind, place) is the window's own, from its host element.
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID, VARIANT* value) override {
        value->vt = VT_EMPTY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE
    get_HostRawElementProvider(IRawElementProviderSimple** host) override {
        return automation_.host(window_, host);
    }

  private:
    virtual ~WindowElement() = default;
    LONG references_ = 1;
    HWND window_;
    const Automation& automation_;
};

// Hands the screen reader the window's element, from inside SDL's window procedure, for as
// long as the window lives.
class ScreenReaderChannel {
  public:
    ScreenReaderChannel(HWND window, const Automation& automation)
        : window_(window), automation_(automation),
          element_(new WindowElement(window, automation)) {
        SetPropW(window_, property, this);
        sdlProcedure_ = WNDPROC(SetWindowLongPtrW(window_, GWLP_WNDPROC, LONG_PTR(&procedure)));
    }
    ScreenReaderChannel(const ScreenReaderChannel&) = delete;
    ScreenReaderChannel& operator=(const ScreenReaderChannel&) = delete;
    ~ScreenReaderChannel() {
        if (window_) {
            SetWindowLongPtrW(window_, GWLP_WNDPROC, LONG_PTR(sdlProcedure_));
            RemovePropW(window_, property);
            letGo();
        }
        element_->Release();
    }

    bool say(const Utterance& utterance) {
        const OwnedBstr text(wide(utterance.text)), activity(L"epee-legendaire");
        const int processing = utterance.interrupt ? processingMostRecent : processingAll;
        return SUCCEEDED(automation_.raise(element_, notificationKindOther, processing, text.text,
                                           activity.text));
    }

  private:
    static constexpr const wchar_t* property = L"epee-legendaire.speech";

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
        auto* self = static_cast<ScreenReaderChannel*>(GetPropW(window, property));
        if (!self) return DefWindowProcW(window, message, w, l);
        if (message == WM_GETOBJECT && LONG(l) == rootObjectId)
            return self->automation_.answer(window, w, l, self->element_);
        const LRESULT result = CallWindowProcW(self->sdlProcedure_, window, message, w, l);
        if (message == WM_NCDESTROY) {
            self->letGo();
            self->window_ = nullptr;
        }
        return result;
    }

    // Automation lets go of the element it still holds for the window.
    void letGo() { automation_.answer(window_, 0, 0, nullptr); }

    HWND window_;
    const Automation& automation_;
    WindowElement* element_;
    WNDPROC sdlProcedure_ = nullptr;
};

// COM on this thread for as long as the voice lives; SDL may have started it already.
struct ComApartment {
    HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ComApartment() = default;
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (SUCCEEDED(started)) CoUninitialize();
    }
};

// SAPI's voice, French when one is installed, else the system's own.
class SapiVoice {
  public:
    SapiVoice() {
        if (FAILED(CoCreateInstance(__uuidof(SpVoice), nullptr, CLSCTX_ALL, __uuidof(ISpVoice),
                                    reinterpret_cast<void**>(&voice_))))
            voice_ = nullptr;
        if (voice_) chooseFrench();
    }
    SapiVoice(const SapiVoice&) = delete;
    SapiVoice& operator=(const SapiVoice&) = delete;
    ~SapiVoice() {
        if (voice_) voice_->Release();
    }
    bool usable() const { return voice_ != nullptr; }

    // Returns at once: the voice speaks on its own thread.
    HRESULT say(const Utterance& utterance) {
        const std::wstring text = wide(utterance.text);
        DWORD flags = SPF_ASYNC | SPF_IS_NOT_XML;
        if (utterance.interrupt) flags |= SPF_PURGEBEFORESPEAK;
        return voice_->Speak(text.c_str(), flags, nullptr);
    }

  private:
    void chooseFrench() {
        ISpObjectTokenCategory* voices = nullptr;
        if (FAILED(CoCreateInstance(__uuidof(SpObjectTokenCategory), nullptr, CLSCTX_ALL,
                                    __uuidof(ISpObjectTokenCategory),
                                    reinterpret_cast<void**>(&voices))))
            return;
        IEnumSpObjectTokens* french = nullptr;
        ISpObjectToken* token = nullptr;
        if (SUCCEEDED(
                voices->SetId(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices", FALSE)) &&
            SUCCEEDED(voices->EnumTokens(L"Language=40C", nullptr, &french)) &&
            french->Next(1, &token, nullptr) == S_OK) {
            voice_->SetVoice(token);
            token->Release();
        }
        if (french) french->Release();
        voices->Release();
    }

    ISpVoice* voice_ = nullptr;
};

// The game's window: the one top-level window of this thread.
HWND gameWindow() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            if (!IsWindowVisible(window) || GetWindow(window, GW_OWNER)) return TRUE;
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        },
        LPARAM(&found));
    return found;
}

class WindowsSpeech : public SpeechOutput {
  public:
    bool usable() const { return automation_.usable() || voice_.usable(); }

    void say(const Utterance& utterance) override {
        if (screenReaderRuns() && sayToScreenReader(utterance)) return;
        if (silent_) return;
        const HRESULT spoken = voice_.usable() ? voice_.say(utterance) : E_FAIL;
        if (SUCCEEDED(spoken)) return;
        // One line, once: the game plays on without its voice.
        std::cerr << "epee: speech is unavailable: SAPI's voice ";
        if (voice_.usable())
            std::cerr << "does not speak (error 0x" << std::hex << unsigned(spoken) << std::dec
                      << ")\n";
        else
            std::cerr << "is missing\n";
        silent_ = true;
    }

  private:
    // The window is asked for its element once it shows, before the first words.
    bool sayToScreenReader(const Utterance& utterance) {
        if (!screenReader_ && automation_.usable())
            if (HWND window = gameWindow())
                screenReader_ = std::make_unique<ScreenReaderChannel>(window, automation_);
        return screenReader_ && screenReader_->say(utterance);
    }

    ComApartment com_;
    Automation automation_;
    std::unique_ptr<ScreenReaderChannel> screenReader_;
    SapiVoice voice_;
    bool silent_ = false;
};
} // namespace

std::unique_ptr<SpeechOutput> systemSpeech(std::string& unavailable) {
    auto speech = std::make_unique<WindowsSpeech>();
    if (speech->usable()) return speech;
    unavailable = "neither UI Automation nor SAPI's voice answers";
    return nullptr;
}
