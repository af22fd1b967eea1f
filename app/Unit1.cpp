#include "app/Unit1.h"

#include <shellapi.h>

#include "app/BrowserWindow.h"
#include "app/FakeAddressBlocks.h"
#include "app/HostRule.h"
#include "app/ProgramPaths.h"
#include "app/ResolverName.h"
#include "app/RunKey.h"
#include "app/WebAddresses.h"
#include "app/WatchText.h"
#include "base/Exception.h"
#include "base/GbkText.h"
#include "base/win32/Win32Text.h"
#include "forms/Unit2.h"
#include "forms/Unit3.h"
#include "forms/Unit4.h"
#include "forms/Unit5.h"
#include "gui/Application.h"
#include "gui/Dialogs.h"
#include "gui/EventBinding.h"
#include "locdb/AddressLookup.h"
#include "locdb/AddressText.h"
#include "locdb/LocationLookup.h"
#include "skin/data/ProgramResource.h"

TForm1* Form1 = nullptr;
bool ReturnToMainWindow = true;

namespace {
const char kCaption[] = "Quorvik";
const char kAddressExample[] = "请按照如下格式输入：\r192.168.1.1";
const char kWebAddressExample[] = "请按照如下格式输入：\rhttp://www.example.com/";
const char kFirstWebAddressHint[] = "请按照以下格式输入：\rhttp://www.example.com/";
const char kUnresolved[] = "无法解析IP地址";
const int kNoticeSeconds = 10;
const int kInformationIcon = 1;
const int kWarningIcon = 2;
const size_t kWebAddressBytes = 1023;

std::string WebAddressBoxText(const std::wstring& address) {
    return std::string(GbkPrefix(Narrow(address), kWebAddressBytes));
}
}  // namespace

TForm1::TForm1()
    : TForm({.ClassName = L"TForm1",
             .Caption = "Quorvik",
             .ClientWidth = 234,
             .ClientHeight = 246,
             .MinimizeBox = true,
             .StayOnTop = true,
             .Position = TPosition::DesktopCenter,
             .Font = {.Name = "Tahoma", .Height = -11}}) {
    CreateControls();
    CreateMenus();
    BindEvents();
    SetUpTrayIcon();
    // The stored skin, read as the form data would give it.
    // "/noskin" starts the program in the system's own look.
    SkinData1.SetActive(!ProgramCommandLine().Has(L"/noskin"));
    SkinData1.ClassMap = FormClassMap();
    ReadSkinStreamResource(SkinData1);
    SkinData1.Loaded();
    Created();
}

// Controls are made in tab order, so keyboard navigation follows it.
void TForm1::CreateControls() {
    GroupBox1.Create(*this, {.Bounds = {0, 0, 234, 97}, .Caption = "请输入要查询的IP"});
    Edit1.Create(GroupBox1, {.Bounds = {10, 19, 143, 21}, .ShowHint = true});
    Button1.Create(GroupBox1, {.Bounds = {178, 20, 35, 21}, .Caption = "查询"});
    Edit2.Create(GroupBox1, {.Bounds = {10, 66, 215, 21}, .ParentColor = true, .ShowHint = true});
    Label2.Create(GroupBox1, {.Bounds = {8, 47, 67, 13}, .Caption = "查询结果： "});

    GroupBox2.Create(*this, {.Bounds = {0, 97, 234, 149}, .Caption = "Sitorva"});
    Button3.Create(GroupBox2, {.Bounds = {152, 121, 59, 21}, .Caption = "手动查询", .Enabled = false});
    CheckBox1.Create(GroupBox2, {.Bounds = {22, 123, 77, 17}, .Caption = "自动查询", .Checked = true});
    Edit6.Create(GroupBox2, {.Bounds = {66, 93, 159, 21}, .ReadOnly = true, .ParentColor = true, .ShowHint = true});
    Edit5.Create(GroupBox2, {.Bounds = {66, 67, 159, 21}, .ReadOnly = true, .ParentColor = true});
    Edit4.Create(GroupBox2, {.Bounds = {66, 41, 159, 21}, .ReadOnly = true, .ParentColor = true});
    Edit3.Create(GroupBox2, {.Bounds = {66, 16, 159, 21}, .ShowHint = true});
    Label1.Create(GroupBox2, {.Bounds = {6, 20, 60, 13}, .Caption = "网站地址："});
    Label3.Create(GroupBox2, {.Bounds = {20, 45, 46, 13}, .Caption = "IP地址："});
    Label4.Create(GroupBox2, {.Bounds = {6, 71, 60, 13}, .Caption = "主机地址："});
    Label5.Create(GroupBox2, {.Bounds = {6, 97, 60, 13}, .Caption = "地理位置："});
}

void TForm1::CreateMenus() {
    N11.Add({&N12, &IP3, &N13});
    N14.Add({&N9, &N3, &N5});
    N18.Add({&N19, &N1, &N21, &N22});
    MainMenu1.Add({&N11, &N14, &N18});
    SetMainMenu(MainMenu1);
    PopupMenu2.Add({&N6, &N7, &IP2, &N8});
}

void TForm1::SetUpTrayIcon() {
    TIconHandle icon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, 16, 16, 0)));
    TrayIcon1.SetIcon(icon.Get());
    TrayIcon1.SetIconVisible(true);
    TrayIcon1.SetIconIndex(0);
    TrayIcon1.PopupMenu = &PopupMenu2;
    TrayIcon1.SetWantEnterExitEvents(true);
    TrayIcon1.MinimizeToTray = true;
    TrayIcon1.OnClick = Handler(this, &TForm1::TrayIcon1Click);
    TrayIcon1.OnDblClick = Handler(this, &TForm1::TrayIcon1DblClick);
    TrayIcon1.OnMouseMove = [](TObject*, TShiftState, int, int) {};
    TrayIcon1.OnMouseEnter = Handler(this, &TForm1::TrayIcon1MouseEnter);
    TrayIcon1.Loaded();
}

void TForm1::BindEvents() {
    OnCreate = Handler(this, &TForm1::FormCreate);
    OnDestroy = Handler(this, &TForm1::FormDestroy);
    OnCloseQuery = Handler(this, &TForm1::FormCloseQuery);
    Button1.OnClick = Handler(this, &TForm1::Button1Click);
    Button3.OnClick = Handler(this, &TForm1::Button3Click);
    CheckBox1.OnClick = Handler(this, &TForm1::CheckBox1Click);
    Timer3.SetOnTimer(Handler(this, &TForm1::Timer3Timer));
    Edit1.OnMouseMove = Handler(this, &TForm1::Edit1MouseMove);
    Edit2.OnMouseMove = Handler(this, &TForm1::Edit2MouseMove);
    Edit3.OnMouseMove = Handler(this, &TForm1::Edit3MouseMove);
    Edit6.OnMouseMove = Handler(this, &TForm1::Edit6MouseMove);
    N8.OnClick = Handler(this, &TForm1::N8Click);
    N13.OnClick = Handler(this, &TForm1::N13Click);
    N9.OnClick = Handler(this, &TForm1::N9Click);
    N3.OnClick = Handler(this, &TForm1::N3Click);
    N5.OnClick = Handler(this, &TForm1::N5Click);
    N14.OnClick = Handler(this, &TForm1::N14Click);
    N19.OnClick = Handler(this, &TForm1::N19Click);
    N1.OnClick = Handler(this, &TForm1::N1Click);
    N6.OnClick = Handler(this, &TForm1::N6Click);
    N12.OnClick = Handler(this, &TForm1::N12Click);
    N7.OnClick = Handler(this, &TForm1::N7Click);
    IP3.OnClick = Handler(this, &TForm1::IP3Click);
    IP2.OnClick = Handler(this, &TForm1::IP2Click);
    N21.OnClick = Handler(this, &TForm1::N21Click);
    N22.OnClick = Handler(this, &TForm1::N22Click);
    PopupMenu2.OnPopup = Handler(this, &TForm1::PopupMenu2Popup);
}

// --- start and end ---

// Updated data that had to be given up is told before anything else, and
// before any lookup reads it.
void TForm1::FormCreate() {
    FUpdater.SetWindow(Handle());
    if (std::optional<std::string> notice = FUpdater.Recover())
        TrayIcon1.ShowBalloon("", *notice, kWarningIcon, kNoticeSeconds);
    Application.SetHintPause(0);
    Application.OnDeactivate = [this](TObject*) { AppDeactivate(); };
    FWinsock.emplace(MAKEWORD(2, 0));
    if (!FWinsock->Started()) throw Exception("Winsock Version Error");
    Edit3.Hint = kFirstWebAddressHint;
    FBrowserWatch.SetListening(Timer3.Enabled());
}

void TForm1::FormDestroy() {
    FBrowserWatch.SetListening(false);
    HostLookups.CancelAll();
    FWinsock.reset();
}

// Only an exit command closes the main window; anything else puts it in the tray.
void TForm1::FormCloseQuery(bool& CanClose) {
    CanClose = Exiting;
    if (!Exiting) TrayIcon1.HideMainWindow();
}

// Whenever the program loses activation, stay-on-top puts the main window
// back above the program that took it, without taking the activation back:
// the browser must stay in front for the watch to see it.
void TForm1::AppDeactivate() {
    if (!SuspendTopMost && Showing()) StayOnTop(true, SWP_NOACTIVATE);
}

void TForm1::StayOnTop(bool onTop, UINT flags) {
    TBounds bounds = Bounds();
    SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, bounds.Left, bounds.Top, bounds.Width,
                 bounds.Height, flags);
}

bool TForm1::ReturnsToMainWindow() const { return ReturnToMainWindow; }

SystemPath TForm1::DatabasePath() const { return FUpdater.DatabasePath(kDatabaseNames[0]); }

SystemPath TForm1::Ipv6DatabasePath() const { return FUpdater.DatabasePath(kDatabaseNames[1]); }

// --- steps between readers ---

// Readers live inside one handler or one batch part, so a step posted to
// the window runs after the reader of the handler at hand has gone; while a
// batch runs, its steps wait for its end.
bool TForm1::RunBetweenReaders(std::function<void()> step) {
    FStepsBetweenReaders.push_back(std::move(step));
    if (!FBatchRunning) PostMessageW(Handle(), WM_BETWEENREADERS, 0, 0);
    return FBatchRunning;
}

void TForm1::BatchRunning(bool running) {
    FBatchRunning = running;
    if (!running && !FStepsBetweenReaders.empty()) PostMessageW(Handle(), WM_BETWEENREADERS, 0, 0);
}

void TForm1::RunStepsBetweenReaders() {
    if (FBatchRunning) return;
    for (std::function<void()>& step : std::exchange(FStepsBetweenReaders, {})) RunGuarded(step);
}

void TForm1::LowerMainWindow() {
    if (!N3.Checked()) return;
    SuspendTopMost = true;
    StayOnTop(false);
}

void TForm1::RaiseMainWindow() {
    if (!N3.Checked()) return;
    SuspendTopMost = false;
    StayOnTop(true);
}

void TForm1::N8Click() {
    Exiting = true;
    Close();
}

void TForm1::N13Click() {
    Exiting = true;
    Close();
}

// At the end of the Windows session the close query still runs (hiding the
// window unless an exit was chosen), then the process ends at once.
LRESULT TForm1::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_QUERYENDSESSION) {
        TForm::WndProc(message, wParam, lParam);
        TerminateProcess(GetCurrentProcess(), 0);
    }
    if (message == WM_HOSTRESOLVED) {
        ShowResolvedHost(wParam, lParam);
        return 0;
    }
    static const UINT lookupsStarted = RegisterWindowMessageW(kLookupsStartedMessage);
    if (message == lookupsStarted) return LRESULT(HostLookups.Started());
    if (message == WM_WORKDONE) {
        TPostingWorker::Deliver(lParam);
        return 0;
    }
    if (message == WM_BETWEENREADERS) {
        RunStepsBetweenReaders();
        return 0;
    }
    return TForm::WndProc(message, wParam, lParam);
}

// --- typed lookup ---

// An IPv6 address comes back in its short form, zone dropped: what was
// looked up, in the form that fits the box.
void TForm1::Button1Click() {
    if (Edit1.Text().empty()) return;
    TAddressLookup::Answer answer = TAddressLookup(DatabasePath(), Ipv6DatabasePath()).LookUp(TrimText(Edit1.Text()));
    if (answer.Ipv6ShortForm) Edit1.SetText(*answer.Ipv6ShortForm);
    Edit2.SetText("");
    Edit2.SetText(answer.Location);
}

void TForm1::Edit1MouseMove() { Edit1.Hint = kAddressExample; }

void TForm1::Edit2MouseMove() { Edit2.Hint = Edit2.Text(); }

void TForm1::Edit3MouseMove() { Edit3.Hint = CheckBox1.Checked() ? Edit3.Text() : kWebAddressExample; }

void TForm1::Edit6MouseMove() { Edit6.Hint = Edit6.Text(); }

// --- browser watch ---

void TForm1::Timer3Timer() { WatchStep(); }

// Internet Explorer is read here, at once; the other browsers on the
// watch's worker, whose reading comes back later. Events start a step only
// while the timer runs, and so does a reading that comes back after.
void TForm1::WatchStep() {
    if (!Timer3.Enabled()) return;
    HWND window = GetForegroundWindow();
    if (!IsInternetExplorer(window)) {
        FBrowserWatch.Read(window, Handle());
        return;
    }
    if (std::optional<std::wstring> address = ReadIEAddress(window))
        ShowBrowserAddress(*address, AddressOrigin::InternetExplorerOrTyped);
}

// The web-address box is the watch's memory: a browser showing what the box
// holds changes nothing. What the watch put there itself is compared as it
// was read, in UTF-16, since an address with characters outside GBK would
// differ from the box's text on every step.
bool TForm1::ShowsBrowserAddress(const std::wstring& address) {
    std::string shown = Edit3.Text();
    return shown == FShownAddress ? address == FBrowserAddress : shown == WebAddressBoxText(address);
}

void TForm1::ShowBrowserAddress(const std::wstring& address, AddressOrigin origin) {
    if (!Timer3.Enabled() || ShowsBrowserAddress(address)) return;
    Edit3.SetText(WebAddressBoxText(address));
    FBrowserAddress = address;
    FShownAddress = Edit3.Text();
    FShownOrigin = origin;
    StartLookup(HostOfAddress(address));
}

// Addresses that name no web host never reach a resolver; an IPv6 literal
// is shown as it stands.
void TForm1::StartLookup(const WebHost& host) {
    if (host.Kind == HostKind::IPv6Literal) {
        FHostFallback.reset();
        std::string literal = Narrow(host.Text);
        if (std::optional<Ipv6Address> address = ParseIpv6(literal)) ShowSite(*address, literal, false);
        return;
    }
    std::optional<std::string> name = ResolverName(host);
    if (!name) return;
    FHostFallback.emplace(*name);
    Resolve(FHostFallback->Current());
}

void TForm1::Resolve(const ResolveAttempt& attempt) {
    if (attempt.Step == ResolveStep::SystemIpv4)
        HostLookups.Start(Handle(), WM_HOSTRESOLVED, attempt.Name);
    else
        FWorkerResolver.Resolve(Handle(), attempt);
}

bool TForm1::Awaits(const ResolveAttempt& attempt) const { return FHostFallback && FHostFallback->Awaits(attempt); }

void TForm1::Button3Click() {
    if (Edit3.Text().empty()) return;
    Button3.SetEnabled(false);
    StartLookup(HostOfAddress(Widen(Edit3.Text())));
    Button3.SetEnabled(true);
}

void TForm1::CheckBox1Click() {
    bool automatic = CheckBox1.Checked();
    Timer3.SetEnabled(automatic);
    FBrowserWatch.SetListening(automatic);
    Button3.SetEnabled(!automatic);
}

// The host is tried further (app/HostFallback.h) while the boxes stay as
// they are. An address for a host the watch has since left still shows,
// unless a proxy made it up.
void TForm1::ShowResolvedHost(WPARAM request, LPARAM result) {
    std::optional<THostLookups::Answer> answer = HostLookups.Finish(request, result);
    if (!answer) return;
    std::optional<uint32_t> address = answer->Resolved ? ParseDottedIpv4(answer->Address) : std::nullopt;
    if (!Awaits({answer->Host, ResolveStep::SystemIpv4})) {
        if (address && !IsFakeProxyAddress(*address)) ShowSite(*address, answer->OfficialName, false);
        return;
    }
    AttemptEnd end = address                                                                  ? AttemptEnd::Address
                     : answer->Error == WSANO_DATA || answer->Error == WSAHOST_NOT_FOUND ? AttemptEnd::NoAddress
                                                                                          : AttemptEnd::Failed;
    Follow(FHostFallback->After(end, address), address, answer->OfficialName);
}

// An answer for a host the watch has since left is dropped.
void TForm1::ShowWorkerAnswer(const TWorkerResolver::Answer& answer) {
    if (!Awaits(answer.Attempt)) return;
    Follow(FHostFallback->After(answer.Address ? AttemptEnd::Address : AttemptEnd::NoAddress), answer.Address,
           answer.OfficialName);
}

// Once the system gave a proxy's fake address, what is shown says so.
void TForm1::Follow(FallbackAction action, const std::optional<IpAddress>& address, const std::string& officialName) {
    bool throughProxy = FHostFallback->FakeAddress().has_value();
    switch (action) {
    case FallbackAction::AskCurrent: Resolve(FHostFallback->Current()); break;
    case FallbackAction::ShowAddress: ShowSite(*address, officialName, throughProxy); break;
    case FallbackAction::ShowFake: ShowSite(*FHostFallback->FakeAddress(), FHostFallback->Current().Name, true); break;
    case FallbackAction::ShowUnresolved: ShowUnresolved(); break;
    }
}

void TForm1::ShowSite(const IpAddress& address, const std::string& officialName, bool throughProxy) {
    if (!ShowSiteAddress(FormatIpAddress(address))) return;
    std::string location = LocationOf(address);
    ShowSiteDetails(officialName, throughProxy ? ThroughProxy(location) : location);
}

// An IPv4-mapped address is an IPv4 host, found in the IPv4 database.
std::string TForm1::LocationOf(const IpAddress& address) const {
    const Ipv6Address* ipv6 = std::get_if<Ipv6Address>(&address);
    std::optional<uint32_t> ipv4 = ipv6 ? MappedIpv4(*ipv6) : std::get<uint32_t>(address);
    return ipv4 ? LookUpLocation(DatabasePath(), FormatDottedIpv4(*ipv4)) : LookUpIpv6Location(Ipv6DatabasePath(), *ipv6);
}

void TForm1::ShowUnresolved() {
    Edit4.SetText(kUnresolved);
    Edit5.SetText("");
    Edit6.SetText("");
}

// False when the site's address is the one shown already: nothing changes.
// The address shows before its location is looked up, so that a database
// that cannot be read leaves the rest as it was.
bool TForm1::ShowSiteAddress(const std::string& address) {
    if (address == Edit4.Text()) return false;
    Edit4.SetText(address);
    return true;
}

void TForm1::ShowSiteDetails(const std::string& officialName, const std::string& location) {
    Edit6.SetText("");
    Edit6.SetText(location);
    Edit5.SetText(officialName);
    if (!AutoNoticeOff) ShowNotice();
}

// Text typed into the box is labelled as Internet Explorer's address is.
std::string TForm1::NoticeText() {
    AddressOrigin origin = Edit3.Text() == FShownAddress ? FShownOrigin : AddressOrigin::InternetExplorerOrTyped;
    return BuildNotice(origin, Edit3.Text(), Edit4.Text(), Edit5.Text(), Edit6.Text());
}

void TForm1::ShowNotice() { TrayIcon1.ShowBalloon("", NoticeText(), kInformationIcon, kNoticeSeconds); }

void TForm1::TrayIcon1MouseEnter() { ShowNotice(); }

// --- settings ---

void TForm1::N9Click() {
    N9.SetChecked(!N9.Checked());
    AutoNoticeOff = !N9.Checked();
}

void TForm1::N3Click() {
    N3.SetChecked(!N3.Checked());
    SuspendTopMost = !N3.Checked();
    StayOnTop(N3.Checked());
}

// The mark shows what was asked for; when the registry refused, the user is
// told and the mark shows what the registry holds instead.
void TForm1::N5Click() {
    bool switchOn = !N5.Checked();
    N5.SetChecked(switchOn);
    std::optional<std::string> refusal = switchOn ? WriteRunValue(QuotedProgramPath()) : DeleteRunValues();
    if (!refusal) return;
    N5.SetChecked(RunValueExists());
    ShowMessageBox(*refusal, kCaption, MB_OK | MB_ICONERROR, Handle());
}

void TForm1::N14Click() { N5.SetChecked(RunValueExists()); }

void TForm1::N19Click() { ShellExecuteW(Handle(), L"open", HelpFilePath().c_str(), nullptr, nullptr, SW_SHOW); }

void TForm1::N1Click() { ShellExecuteW(Handle(), L"open", kWebSite, nullptr, nullptr, SW_SHOW); }

// --- back from the tray ---

void TForm1::N6Click() { RestoreFromTray(); }

void TForm1::TrayIcon1Click() { RestoreFromTray(); }

void TForm1::TrayIcon1DblClick() { RestoreFromTray(); }

// The batch window goes first, so that its hide runs as on any other close.
void TForm1::RestoreFromTray() {
    Form2->Hide();
    TrayIcon1.RestoreMainWindow();
}

// The batch and local information windows take the main window's place on
// screen; opened from the tray while it sat there, they leave it there.
void TForm1::N12Click() {
    ReturnToMainWindow = true;
    TrayIcon1.HideMainWindow();
    Form2->Show();
}

void TForm1::N7Click() {
    ReturnToMainWindow = Showing();
    Hide();
    Form2->Show();
}

void TForm1::IP3Click() {
    ReturnToMainWindow = true;
    TrayIcon1.HideMainWindow();
    Form3->Show();
}

void TForm1::IP2Click() {
    ReturnToMainWindow = Showing();
    Hide();
    Form3->Show();
}

void TForm1::N21Click() {
    LowerMainWindow();
    Form4->ShowModal();
}

void TForm1::N22Click() {
    Form5->Show();
    SetForegroundWindow(Form5->Handle());
}

void TForm1::PopupMenu2Popup() { TrayIcon1.HideBalloon(); }
