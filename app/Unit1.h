#pragma once
#include <optional>

#include "app/BrowserWatch.h"
#include "app/CommandLine.h"
#include "app/DatabaseUpdater.h"
#include "app/DnsOverHttps.h"
#include "app/HostFallback.h"
#include "app/HostLookups.h"
#include "app/HostRule.h"
#include "app/WatchText.h"
#include "app/WorkerResolver.h"
#include "forms/MainWindowLink.h"
#include "forms/Sockets.h"
#include "gui/Button.h"
#include "gui/Edit.h"
#include "gui/Form.h"
#include "gui/GroupBox.h"
#include "gui/Label.h"
#include "gui/Menus.h"
#include "gui/Timer.h"
#include "skin/data/SkinData.h"
#include "skin/data/Win32SkinHost.h"
#include "tray/TrayIcon.h"

// Winsock posts this when a host look-up has ended.
const UINT WM_HOSTRESOLVED = WM_USER + 100;
// The workers (the browser watch's, the database update's) post this with
// what they give back.
const UINT WM_WORKDONE = WM_USER + 101;
// Steps that wait until no reader is open and no batch runs.
const UINT WM_BETWEENREADERS = WM_USER + 102;

// The main window: typed lookup above, the browser watch below, the menus,
// and the tray icon.
class TForm1 : public TForm, public TMainWindowLink {
public:
    TForm1();

    TGroupBox GroupBox1;
    TEdit Edit1;
    TButton Button1;
    TLabel Label2;
    TEdit Edit2;

    TGroupBox GroupBox2;
    TButton Button3;
    TCheckBox CheckBox1;
    TEdit Edit6;
    TEdit Edit5;
    TEdit Edit4;
    TEdit Edit3;
    TLabel Label1;
    TLabel Label3;
    TLabel Label4;
    TLabel Label5;

    TTimer Timer3{1000, true};

    TMainMenu MainMenu1;
    TMenuItem N11{" 文 件"}, N12{"批量查询"}, IP3{"本机信息"}, N13{"退出"};
    TMenuItem N14{"  设 置"}, N9{"自动弹出提示", true}, N3{"软件在最上", true}, N5{"开机自启动"};
    TMenuItem N18{" 帮 助"}, N19{"帮助文件"}, N1{"软件网站"}, N21{"关于..."}, N22{"更新数据库..."};

    TPopupMenu PopupMenu2{this};
    TMenuItem N6{"显示界面"}, N7{"批量查询"}, IP2{"本机信息"}, N8{"退出"};

    TTrayIcon TrayIcon1{this};
    TSkinData SkinData1{SystemSkinHost(), this};

    bool AutoNoticeOff = false;
    bool SuspendTopMost = false;
    bool Exiting = false;

    void FormCreate();
    void FormDestroy();
    void FormCloseQuery(bool& CanClose);
    void AppDeactivate();
    void Button1Click();
    void Edit1MouseMove();
    void Edit2MouseMove();
    void Edit3MouseMove();
    void Edit6MouseMove();

    // The browser watch.
    void Timer3Timer();
    void Button3Click();
    void CheckBox1Click();
    void ShowResolvedHost(WPARAM request, LPARAM result);
    std::string NoticeText();
    void TrayIcon1MouseEnter();

    // Menu and tray commands.
    void N8Click();
    void N13Click();
    void N9Click();
    void N3Click();
    void N5Click();
    void N14Click();
    void N19Click();
    void N1Click();
    void N6Click();
    void N12Click();
    void N7Click();
    void IP3Click();
    void IP2Click();
    void N21Click();
    void N22Click();
    void TrayIcon1Click();
    void TrayIcon1DblClick();
    void PopupMenu2Popup();

    // Puts the main window into or out of the topmost band at its own bounds.
    void StayOnTop(bool onTop, UINT flags = 0);

    // What the auxiliary windows ask of the main window.
    bool ReturnsToMainWindow() const override;
    void ShowMainWindow() override { Show(); }
    void LowerMainWindow() override;
    void RaiseMainWindow() override;
    SystemPath DatabasePath() const override;
    SystemPath Ipv6DatabasePath() const override;
    void BatchRunning(bool running) override;

    TDataUpdateLink& DataUpdate() { return FUpdater; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void CreateMenus();
    void SetUpTrayIcon();
    void BindEvents();
    void ShowNotice();
    void RestoreFromTray();
    void WatchStep();
    bool ShowsBrowserAddress(const std::wstring& address);
    void ShowBrowserAddress(const std::wstring& address, AddressOrigin origin);
    void StartLookup(const WebHost& host);
    void Resolve(const ResolveAttempt& attempt);
    bool Awaits(const ResolveAttempt& attempt) const;
    void ShowWorkerAnswer(const TWorkerResolver::Answer& answer);
    void Follow(FallbackAction action, const std::optional<IpAddress>& address, const std::string& officialName);
    void ShowSite(const IpAddress& address, const std::string& officialName, bool throughProxy);
    std::string LocationOf(const IpAddress& address) const;
    void ShowUnresolved();
    bool ShowSiteAddress(const std::string& address);
    void ShowSiteDetails(const std::string& officialName, const std::string& location);
    bool RunBetweenReaders(std::function<void()> step);
    void RunStepsBetweenReaders();

    THostLookups HostLookups;
    TBrowserWatch FBrowserWatch{WM_WORKDONE,
                                [this](const std::wstring& address) {
                                    ShowBrowserAddress(address, AddressOrigin::OtherBrowser);
                                },
                                [this] { WatchStep(); }};
    TWorkerResolver FWorkerResolver{WM_WORKDONE, DohResolvers(ProgramCommandLine()),
                                    [this](const TWorkerResolver::Answer& answer) { ShowWorkerAnswer(answer); }};
    // The names the host last looked up is tried with; none after an IPv6
    // literal was shown as it stands.
    std::optional<THostFallback> FHostFallback;
    // The browser's address as last read, the box's text it gave, and the
    // browser it came from.
    std::wstring FBrowserAddress;
    std::string FShownAddress;
    AddressOrigin FShownOrigin = AddressOrigin::InternetExplorerOrTyped;
    // The main window's own use of Winsock, for its host look-ups, from its
    // creation to its end.
    std::optional<TWinsockUse> FWinsock;
    // Lookups read the files the update's installed data names.
    TDatabaseUpdater FUpdater{WM_WORKDONE, [this](std::function<void()> step) { return RunBetweenReaders(step); }};
    bool FBatchRunning = false;
    std::vector<std::function<void()>> FStepsBetweenReaders;
};

extern TForm1* Form1;
// Whether the main window comes back when the batch or the local
// information window hides.
extern bool ReturnToMainWindow;
