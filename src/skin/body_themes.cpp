// The twelve built-in body themes. Each is assembled from its distinct cell
// records; parts of the same kind share a record.
#include "skin/body_themes.h"

#include <array>

#include "skin/skin_theme_string.h"

namespace glavo {
namespace {

// One record per role; several roles may hold the same text.
struct ThemeRecipe {
  std::u16string_view title, sideBars, bottomBar, corners, back;
  std::u16string_view close, buttons, icon;
  std::u16string_view closeOver, buttonsOver, closeDown, buttonsDown;
  std::int32_t titleBarSize, borderSize, buttonSize;
  std::int32_t backColor;
};

// Onyx: white and silver glass with soft rounded buttons.
constexpr std::u16string_view kOnyxTitle =
    u"1##12829635##16777215##3##3##1##1##16777215##True##8421504##12829635##10857122##16777215##16777215##7##0##0##50";
constexpr std::u16string_view kOnyxSideBars =
    u"1##12829635##16777215##0##0##1##1##16777215##True##8421504##12829635##10857122##16777215##16777215##13##0##0##50";
constexpr std::u16string_view kOnyxBottomBar =
    u"1##12829635##16777215##0##0##1##1##16777215##True##8421504##12829635##10857122##16777215##16777215##19##0##0##50";
constexpr std::u16string_view kOnyxCorners =
    u"1##12829635##16777215##0##0##1##0##16777215##True##8421504##12829635##10857122##16777215##16777215##13##0##0##50";
constexpr std::u16string_view kOnyxBack =
    u"1##12829635##16777215##0##0##1##1##16777215##True##8421504##12829635##10857122##16777215##16777215##7##0##0##2";
constexpr std::u16string_view kOnyxClose =
    u"1##12829635##16777215##3##3##1##5##16777215##True##8421504##8816317##6316200##16777215##16777215##7##0##0##50";
constexpr std::u16string_view kOnyxButtons =
    u"1##12829635##16777215##3##3##1##5##16777215##True##8421504##12829635##10857122##16777215##16777215##7##0##0##50";
constexpr std::u16string_view kOnyxIcon =
    u"1##12829635##16777215##500##500##1##5##16777215##True##8421504##12829635##10857122##16777215##16777215##7##0##0##50";
constexpr std::u16string_view kOnyxCloseOver =
    u"1##12829635##16777215##3##3##1##5##16777215##True##8421504##12105944##8882108##16777215##16777215##7##0##0##50";
constexpr std::u16string_view kOnyxButtonsOver =
    u"1##12829635##16777215##3##3##1##5##16777215##True##8421504##14737632##12632256##16777215##16777215##7##0##0##50";
constexpr std::u16string_view kOnyxCloseDown =
    u"1##12829635##16777215##3##3##1##5##16777215##True##8421504##6381995##4473984##16777215##16777215##7##0##0##50";
constexpr std::u16string_view kOnyxButtonsDown =
    u"1##12829635##16777215##3##3##1##5##16777215##True##8421504##10857122##7371377##16777215##16777215##7##0##0##50";
constexpr ThemeRecipe kOnyx = {
    kOnyxTitle, kOnyxSideBars, kOnyxBottomBar, kOnyxCorners, kOnyxBack,
    kOnyxClose, kOnyxButtons, kOnyxIcon,
    kOnyxCloseOver, kOnyxButtonsOver, kOnyxCloseDown, kOnyxButtonsDown,
    30, 3, 24, 16777215};

// AJAX: light flat web page look; buttons show only under the pointer.
constexpr std::u16string_view kAJAXTitle =
    u"1##16250097##16777215##0##0##1##0##5916212##False##16777215##16250097##16250097##0##0##12##0##0##50";
constexpr std::u16string_view kAJAXSideBars =
    u"1##11574410##16777215##0##0##1##0##16777215##False##8421504##12627613##12627613##0##0##12##0##0##50";
constexpr std::u16string_view kAJAXBack =
    u"1##14867155##16777215##0##0##1##0##16777215##False##8421504##16777215##16777215##0##0##12##0##0##50";
constexpr std::u16string_view kAJAXCloseOver =
    u"1##15121819##16777215##4##4##1##1##9195038##False##8421504##16643566##16378073##0##0##12##0##0##50";
constexpr std::u16string_view kAJAXCloseDown =
    u"1##13802095##16777215##4##4##1##1##7224342##False##8421504##16047046##15781811##0##0##12##0##0##50";
constexpr ThemeRecipe kAJAX = {
    kAJAXTitle, kAJAXSideBars, kAJAXSideBars, kAJAXSideBars, kAJAXBack,
    kAJAXTitle, kAJAXTitle, kAJAXTitle,
    kAJAXCloseOver, kAJAXCloseOver, kAJAXCloseDown, kAJAXCloseDown,
    30, 2, 24, 15527144};

// Graphite: charcoal glass with an amber close button.
constexpr std::u16string_view kGraphiteTitle =
    u"1##4210752##8421504##3##3##1##5##16777215##True##4210752##4210752##0##16777215##9404039##7##0##0##25";
constexpr std::u16string_view kGraphiteSideBars =
    u"1##4210752##16777215##0##0##1##0##16777215##True##8421504##8421504##0##16777215##9404039##13##0##0##50";
constexpr std::u16string_view kGraphiteBottomBar =
    u"1##4210752##16777215##0##0##1##1##16777215##True##8421504##4210752##0##16777215##9404039##19##0##0##50";
constexpr std::u16string_view kGraphiteBack =
    u"1##4210752##16777215##0##0##1##1##16777215##True##8421504##4210752##0##11773090##9404039##7##0##0##4";
constexpr std::u16string_view kGraphiteClose =
    u"1##4210752##16777215##3##3##1##1##16777215##True##8421504##8421631##255##16777215##192##7##0##0##25";
constexpr std::u16string_view kGraphiteButtons =
    u"1##4210752##16777215##3##3##1##1##16777215##True##8421504##4210752##0##16777215##9404039##7##0##0##25";
constexpr std::u16string_view kGraphiteIcon =
    u"1##4210752##16777215##5##5##1##1##16777215##True##8421504##4210752##0##16777215##9404039##7##0##0##25";
constexpr std::u16string_view kGraphiteCloseOver =
    u"1##4210752##16777215##3##3##1##1##16777215##True##8421504##33023##16576##16777215##16576##7##0##0##40";
constexpr std::u16string_view kGraphiteButtonsOver =
    u"1##4210752##16777215##3##3##1##1##16777215##True##8421504##8421504##4210752##16777215##9404039##7##0##0##40";
constexpr std::u16string_view kGraphiteCloseDown =
    u"1##4210752##16777215##3##3##1##1##16777215##True##8421504##2368729##2039736##128##128##7##0##0##50";
constexpr std::u16string_view kGraphiteButtonsDown =
    u"1##4210752##16777215##3##3##1##1##16777215##True##8421504##4210752##0##11773090##9404039##7##0##0##50";
constexpr ThemeRecipe kGraphite = {
    kGraphiteTitle, kGraphiteSideBars, kGraphiteBottomBar, kGraphiteSideBars, kGraphiteBack,
    kGraphiteClose, kGraphiteButtons, kGraphiteIcon,
    kGraphiteCloseOver, kGraphiteButtonsOver, kGraphiteCloseDown, kGraphiteButtonsDown,
    30, 3, 24, 12090134};

// Vista: smoky black glass over a blue aurora.
constexpr std::u16string_view kVistaTitle =
    u"1##4210752##12632256##3##3##1##5##16777215##True##0##8421504##3749943##16777215##0##10##0##0##50";
constexpr std::u16string_view kVistaSideBars =
    u"1##4210752##16777215##0##0##1##1##16777215##False##8421504##14737632##8421504##12632256##12632256##7##0##0##25";
constexpr std::u16string_view kVistaBottomBar =
    u"1##4210752##16777215##3##3##1##1##16777215##False##8421504##8421504##4210752##16777215##16777215##7##0##0##50";
constexpr std::u16string_view kVistaCorners =
    u"1##4210752##16777215##3##3##1##5##16777215##False##8421504##8421504##3749943##16777215##0##10##0##0##50";
constexpr std::u16string_view kVistaBack =
    u"1##12632256##16708827##3##3##1##0##16777215##False##8421504##10335078##13341259##16777215##16777215##18##0##0##80";
constexpr std::u16string_view kVistaClose =
    u"1##4210752##4210752##4##4##1##1##16777215##True##8421504##6780107##3555480##16777215##16777215##10##0##0##50";
constexpr std::u16string_view kVistaButtons =
    u"1##4210752##3749943##4##4##1##1##16777215##True##8421504##8421504##2960427##16777215##16777215##10##0##0##50";
constexpr std::u16string_view kVistaIcon =
    u"1##0##8421504##3##3##1##4##16777215##True##8421504##8421504##2960427##16777215##16777215##10##0##0##50";
constexpr std::u16string_view kVistaCloseOver =
    u"1##2829211##8421504##2##2##1##5##16777215##True##8421504##6780107##4474328##16777215##16777215##10##0##0##50";
constexpr std::u16string_view kVistaButtonsOver =
    u"1##4210752##8421504##0##0##1##5##16777215##True##8421504##9408399##4210752##16777215##16777215##10##0##0##50";
constexpr std::u16string_view kVistaCloseDown =
    u"1##8421504##3749943##5##5##1##5##16777215##True##8421504##3555480##2302846##16777215##16777215##10##0##0##50";
constexpr std::u16string_view kVistaButtonsDown =
    u"1##8421504##3749943##5##5##1##5##16777215##True##8421504##4210752##2960427##16777215##16777215##10##0##0##50";
constexpr ThemeRecipe kVista = {
    kVistaTitle, kVistaSideBars, kVistaBottomBar, kVistaCorners, kVistaBack,
    kVistaClose, kVistaButtons, kVistaIcon,
    kVistaCloseOver, kVistaButtonsOver, kVistaCloseDown, kVistaButtonsDown,
    30, 5, 24, 15769952};

// iTunes: brushed aluminium with round metal buttons.
constexpr std::u16string_view kiTunesTitle =
    u"1##8289918##16777215##0##0##1##0##1973790##True##16053492##14342874##13487565##16119285##11711154##7##0##0##50";
constexpr std::u16string_view kiTunesSideBars =
    u"1##7237230##16777215##0##0##1##0##16777215##True##8421504##11579568##9342606##0##0##12##0##0##50";
constexpr std::u16string_view kiTunesBack =
    u"1##11971234##16777215##0##0##1##0##16777215##False##8421504##15920875##14866385##0##0##12##0##0##50";
constexpr std::u16string_view kiTunesClose =
    u"1##8026746##16777215##18##18##1##1##6710886##True##16777215##14869218##13027014##16645629##15263976##7##0##0##50";
constexpr std::u16string_view kiTunesIcon =
    u"1##9211020##16777215##500##500##1##1##16777215##False##8421504##13948116##12763842##16185078##14474460##7##0##0##50";
constexpr std::u16string_view kiTunesCloseOver =
    u"1##11040598##16777215##18##18##1##1##9592378##True##16777215##16313572##15784908##16777215##16313314##7##0##0##50";
constexpr std::u16string_view kiTunesCloseDown =
    u"1##5263440##16777215##18##18##1##1##1710618##True##13684944##10921638##10000536##12895428##11974326##7##0##0##50";
constexpr ThemeRecipe kiTunes = {
    kiTunesTitle, kiTunesSideBars, kiTunesSideBars, kiTunesSideBars, kiTunesBack,
    kiTunesClose, kiTunesClose, kiTunesIcon,
    kiTunesCloseOver, kiTunesCloseOver, kiTunesCloseDown, kiTunesCloseDown,
    42, 2, 18, 14866385};

// GoogleChrome: soft blue browser frame around a white page, flat buttons.
constexpr std::u16string_view kGoogleChromeTitle =
    u"1##15915206##16777215##0##0##1##0##4533535##True##16445158##15915206##15915206##0##0##12##0##0##50";
constexpr std::u16string_view kGoogleChromeSideBars =
    u"1##14463640##16777215##0##0##1##0##16777215##True##8421504##15915206##15915206##0##0##12##0##0##50";
constexpr std::u16string_view kGoogleChromeBack =
    u"1##15122857##16777215##0##0##1##0##16777215##False##8421504##16777215##16777215##0##0##12##0##0##50";
constexpr std::u16string_view kGoogleChromeCloseOver =
    u"1##2567854##16777215##4##4##1##1##16777215##False##8421504##5200104##3094735##0##0##12##0##0##50";
constexpr std::u16string_view kGoogleChromeButtonsOver =
    u"1##14067853##16777215##4##4##1##1##4533535##False##8421504##16577002##16311512##0##0##12##0##0##50";
constexpr std::u16string_view kGoogleChromeCloseDown =
    u"1##11695960##16777215##4##4##1##1##16777215##False##8421504##14592909##13802363##0##0##12##0##0##50";
constexpr ThemeRecipe kGoogleChrome = {
    kGoogleChromeTitle, kGoogleChromeSideBars, kGoogleChromeSideBars, kGoogleChromeSideBars, kGoogleChromeBack,
    kGoogleChromeTitle, kGoogleChromeTitle, kGoogleChromeTitle,
    kGoogleChromeCloseOver, kGoogleChromeButtonsOver, kGoogleChromeCloseDown, kGoogleChromeCloseDown,
    42, 3, 22, 16777215};

// TintedGlass: dark smoked glass with glossy buttons and a red close.
constexpr std::u16string_view kTintedGlassTitle =
    u"1##1446414##7891034##0##0##1##1##16777215##True##0##6968902##2235158##13021340##0##10##0##0##50";
constexpr std::u16string_view kTintedGlassSideBars =
    u"1##1446414##16777215##0##0##1##0##16777215##True##8421504##4997174##1972244##0##0##12##0##0##50";
constexpr std::u16string_view kTintedGlassBack =
    u"1##9471870##16777215##0##0##1##0##16777215##False##8421504##16184563##14999516##0##0##12##0##0##50";
constexpr std::u16string_view kTintedGlassClose =
    u"1##657452##16777215##5##5##1##1##16777215##True##524352##3814056##2235526##7762136##4866738##7##0##0##50";
constexpr std::u16string_view kTintedGlassButtons =
    u"1##1709586##16777215##5##5##1##1##16777215##True##0##6970448##4997432##11049098##6707276##7##0##0##50";
constexpr std::u16string_view kTintedGlassCloseOver =
    u"1##920124##16777215##5##5##1##1##16777215##True##524352##4866264##3155644##10525428##5787868##7##0##0##50";
constexpr std::u16string_view kTintedGlassButtonsOver =
    u"1##1709586##16777215##5##5##1##1##16777215##True##0##10913386##9071182##14467754##11176042##7##0##0##50";
constexpr std::u16string_view kTintedGlassCloseDown =
    u"1##394272##16777215##5##5##1##1##14342399##True##32##1446004##920158##3814552##1840764##7##0##0##50";
constexpr std::u16string_view kTintedGlassButtonsDown =
    u"1##920586##16777215##5##5##1##1##15655640##True##0##4076588##3024416##6181448##4208174##7##0##0##50";
constexpr ThemeRecipe kTintedGlass = {
    kTintedGlassTitle, kTintedGlassSideBars, kTintedGlassSideBars, kTintedGlassSideBars, kTintedGlassBack,
    kTintedGlassClose, kTintedGlassButtons, kTintedGlassButtons,
    kTintedGlassCloseOver, kTintedGlassButtonsOver, kTintedGlassCloseDown, kTintedGlassButtonsDown,
    36, 3, 30, 14737632};

// Office2007: glossy light blue office bars with amber hover and a red close.
constexpr std::u16string_view kOffice2007Title =
    u"1##13542013##16777215##0##0##1##0##9126421##True##16642020##16309446##15780009##16642020##16176829##7##0##0##45";
constexpr std::u16string_view kOffice2007SideBars =
    u"1##13603685##16777215##0##0##1##0##16777215##True##8421504##15780009##14855814##0##0##13##0##0##50";
constexpr std::u16string_view kOffice2007BottomBar =
    u"1##13603685##16777215##0##0##1##0##16777215##True##8421504##15780009##14855814##0##0##12##0##0##50";
constexpr std::u16string_view kOffice2007Back =
    u"1##14922381##16777215##0##0##1##0##16777215##False##8421504##16510691##16244426##0##0##12##0##0##50";
constexpr std::u16string_view kOffice2007Close =
    u"1##6055096##16777215##3##3##1##1##16777215##True##4081312##11449835##8950238##14278136##10594792##7##0##0##50";
constexpr std::u16string_view kOffice2007Buttons =
    u"1##16176829##16777215##3##3##1##0##9126421##True##16642020##16309446##15780009##16575453##16110522##7##0##0##45";
constexpr std::u16string_view kOffice2007Icon =
    u"1##15780009##16777215##0##0##1##0##9126421##False##8421504##16309446##15780009##16575453##16110522##7##0##0##45";
constexpr std::u16string_view kOffice2007CloseOver =
    u"1##2109600##16777215##3##3##1##1##16777215##True##1320074##6254824##2834649##11845112##5136616##7##0##0##50";
constexpr std::u16string_view kOffice2007ButtonsOver =
    u"1##8044763##16777215##3##3##1##1##9126421##False##8421504##9102335##5232127##13825791##10283007##7##0##0##50";
constexpr std::u16string_view kOffice2007CloseDown =
    u"1##1056896##16777215##3##3##1##1##16777215##True##529514##3162304##1583272##5925593##2767552##7##0##0##50";
constexpr std::u16string_view kOffice2007ButtonsDown =
    u"1##3181250##16777215##3##3##1##1##9126421##False##8421504##5744889##3052536##9357564##6535677##7##0##0##50";
constexpr ThemeRecipe kOffice2007 = {
    kOffice2007Title, kOffice2007SideBars, kOffice2007BottomBar, kOffice2007SideBars, kOffice2007Back,
    kOffice2007Close, kOffice2007Buttons, kOffice2007Icon,
    kOffice2007CloseOver, kOffice2007ButtonsOver, kOffice2007CloseDown, kOffice2007ButtonsDown,
    30, 3, 24, 16244426};

// Candy: candy-red gloss with round sugar-white buttons.
constexpr std::u16string_view kCandyTitle =
    u"1##1048730##16777215##0##0##1##0##16777215##True##1048714##5195250##1970393##10920703##4471536##7##0##0##50";
constexpr std::u16string_view kCandySideBars =
    u"1##1048714##16777215##0##0##1##0##16777215##True##8421504##2892002##1312952##0##0##12##0##0##50";
constexpr std::u16string_view kCandyBack =
    u"1##10262496##16777215##0##0##1##0##16777215##False##8421504##16316671##15263487##0##0##12##0##0##50";
constexpr std::u16string_view kCandyClose =
    u"1##1444000##16777215##24##24##1##1##1970376##False##8421504##15263487##13223167##16777215##14736639##7##0##0##50";
constexpr std::u16string_view kCandyCloseOver =
    u"1##1444000##16777215##24##24##1##1##1048736##False##8421504##14012671##10985215##16777215##12959487##7##0##0##50";
constexpr std::u16string_view kCandyCloseDown =
    u"1##1048698##16777215##24##24##1##1##16777215##True##1048698##5259504##2101456##9472255##4206824##7##0##0##50";
constexpr ThemeRecipe kCandy = {
    kCandyTitle, kCandySideBars, kCandySideBars, kCandySideBars, kCandyBack,
    kCandyClose, kCandyClose, kCandyClose,
    kCandyCloseOver, kCandyCloseOver, kCandyCloseDown, kCandyCloseDown,
    30, 3, 24, 255};

// Safari: tall unified aluminium toolbar with small traffic-light buttons.
constexpr std::u16string_view kSafariTitle =
    u"1##9079434##16777215##0##0##1##0##2763306##True##16185078##14737632##13948116##15921906##12632256##7##0##0##50";
constexpr std::u16string_view kSafariSideBars =
    u"1##9079434##16777215##0##0##1##0##16777215##True##8421504##12632256##10790052##0##0##12##0##0##50";
constexpr std::u16string_view kSafariBack =
    u"1##11842740##16777215##0##0##1##0##16777215##False##8421504##16777215##16777215##0##0##12##0##0##50";
constexpr std::u16string_view kSafariClose =
    u"1##1845416##16777215##15##15##1##1##4149480##False##8421504##5004014##2767580##11318521##6320368##7##0##0##50";
constexpr std::u16string_view kSafariButtons =
    u"1##1079472##16777215##15##15##1##1##3189486##False##8421504##3847924##2138344##10543868##5292278##7##0##0##50";
constexpr std::u16string_view kSafariCloseOver =
    u"1##1845416##16777215##15##15##1##1##264794##False##8421504##6056690##3820256##12371195##7373044##7##0##0##50";
constexpr std::u16string_view kSafariButtonsOver =
    u"1##1079472##16777215##15##15##1##1##14938##False##8421504##5293304##3190508##12119037##6737144##7##0##0##50";
constexpr std::u16string_view kSafariCloseDown =
    u"1##1055354##16777215##15##15##1##1##132666##False##8421504##2503876##1582248##7240416##3688136##7##0##0##50";
constexpr std::u16string_view kSafariButtonsDown =
    u"1##548490##16777215##15##15##1##1##9786##False##8421504##2135252##1081532##6340844##3186904##7##0##0##50";
constexpr ThemeRecipe kSafari = {
    kSafariTitle, kSafariSideBars, kSafariSideBars, kSafariSideBars, kSafariBack,
    kSafariClose, kSafariButtons, kSafariTitle,
    kSafariCloseOver, kSafariButtonsOver, kSafariCloseDown, kSafariButtonsDown,
    50, 2, 15, 16777215};

// MediaPlayer: glossy black with a deep blue stage and blue-glowing buttons.
constexpr std::u16string_view kMediaPlayerTitle =
    u"1##0##5259834##0##0##1##1##16777215##True##0##3945520##920330##9731180##0##10##0##0##50";
constexpr std::u16string_view kMediaPlayerSideBars =
    u"1##0##16777215##0##0##1##0##16777215##True##8421504##2958882##1051658##0##0##12##0##0##50";
constexpr std::u16string_view kMediaPlayerBack =
    u"1##0##16777215##0##0##1##0##16777215##False##8421504##6963236##2627084##0##0##12##0##0##50";
constexpr std::u16string_view kMediaPlayerClose =
    u"1##0##5130858##5##5##1##1##16777215##True##0##2498666##1051706##7367352##0##10##0##0##50";
constexpr std::u16string_view kMediaPlayerButtons =
    u"1##0##6971482##5##5##1##1##16777215##True##0##4734778##1446416##10785930##0##10##0##0##50";
constexpr std::u16string_view kMediaPlayerIcon =
    u"1##0##6971482##500##500##1##1##16777215##False##8421504##4734778##1446416##10785930##0##10##0##0##50";
constexpr std::u16string_view kMediaPlayerCloseOver =
    u"1##262176##9603839##5##5##1##1##16777215##True##0##3813560##1445994##10920176##5259519##10##0##0##50";
constexpr std::u16string_view kMediaPlayerButtonsOver =
    u"1##0##16757882##5##5##1##1##16777215##True##0##10378286##4727822##16041116##16747580##10##0##0##50";
constexpr std::u16string_view kMediaPlayerCloseDown =
    u"1##0##11168314##5##5##1##1##16766136##True##0##5910548##1970182##9726538##12605978##10##0##0##50";
constexpr ThemeRecipe kMediaPlayer = {
    kMediaPlayerTitle, kMediaPlayerSideBars, kMediaPlayerSideBars, kMediaPlayerSideBars, kMediaPlayerBack,
    kMediaPlayerClose, kMediaPlayerButtons, kMediaPlayerIcon,
    kMediaPlayerCloseOver, kMediaPlayerButtonsOver, kMediaPlayerCloseDown, kMediaPlayerCloseDown,
    36, 2, 24, 11758134};

// SilverLight: bright silver bars with a hairline sky-blue frame.
constexpr std::u16string_view kSilverLightTitle =
    u"1##16695433##16777215##0##0##1##0##6179386##True##16777215##16118254##15393500##16777215##15986152##7##0##0##50";
constexpr std::u16string_view kSilverLightSideBars =
    u"1##15115374##16777215##0##0##1##0##16777215##True##8421504##16695433##16695433##0##0##12##0##0##50";
constexpr std::u16string_view kSilverLightBack =
    u"1##16504504##16777215##0##0##1##0##16777215##False##8421504##16777215##16708586##0##0##12##0##0##50";
constexpr std::u16string_view kSilverLightClose =
    u"1##13418164##16777215##4##4##1##1##8020561##True##16777215##16250098##15525602##16777215##16118254##7##0##0##50";
constexpr std::u16string_view kSilverLightCloseOver =
    u"1##15115374##16777215##4##4##1##1##11034399##True##16777215##16772829##16767929##16777215##16771540##7##0##0##50";
constexpr std::u16string_view kSilverLightCloseDown =
    u"1##13666378##16777215##4##4##1##1##16777215##True##12613690##16695433##16165482##16767156##16695948##7##0##0##50";
constexpr ThemeRecipe kSilverLight = {
    kSilverLightTitle, kSilverLightSideBars, kSilverLightSideBars, kSilverLightSideBars, kSilverLightBack,
    kSilverLightClose, kSilverLightClose, kSilverLightClose,
    kSilverLightCloseOver, kSilverLightCloseOver, kSilverLightCloseDown, kSilverLightCloseDown,
    30, 1, 24, 16695433};

constexpr std::array<const ThemeRecipe*, kBodyThemeCount> kRecipes = {
    &kOnyx, &kAJAX, &kGraphite, &kVista, &kiTunes, &kGoogleChrome, &kTintedGlass, &kOffice2007, &kCandy, &kSafari, &kMediaPlayer, &kSilverLight};

std::u16string Join(const ThemeRecipe& t) {
  std::vector<std::u16string> fields;
  for (std::u16string_view r : {t.title, t.sideBars, t.sideBars, t.bottomBar, t.corners, t.corners,
                                t.back, t.close, t.buttons, t.buttons, t.buttons, t.icon,
                                t.closeOver, t.buttonsOver, t.buttonsOver, t.buttonsOver,
                                t.closeDown, t.buttonsDown, t.buttonsDown, t.buttonsDown}) {
    fields.emplace_back(r);
  }
  for (std::int32_t n : {t.titleBarSize, t.borderSize, t.buttonSize, t.backColor}) {
    fields.push_back(DecimalText(n));
  }
  return JoinSkinTheme(fields);
}

}  // namespace

std::u16string BuiltInSkinTheme(std::int32_t theme) {
  if (theme < 0 || theme >= kBodyThemeCount) return {};
  return Join(*kRecipes[theme]);
}

}  // namespace glavo
