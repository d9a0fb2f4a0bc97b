// LichVelmora's command, control and timer ids, as the product numbers them. One naming scheme:
// Cmd<Window><What> for commands of menus and soft keys (the main window's without a window
// name), Idc<Window><What> for controls, k<What>TimerId for timers. The device layer's own ids
// (IDOK, IDCANCEL, ...) are in platform/shell/DialogResults.h.
#pragma once

namespace velmora::app {

// The main window: soft keys and menu 102.
enum Command : int {
    CmdLeftSoftKey = 40000,  // "Lịch vạn sự" / "Hôm nay" / "Lịch Vạn Sự"
    CmdMainMenu = 40001,     // "Mục chọn", the right soft key of every window
    CmdExit = 40002,         // "Kết thúc", Ctrl+Q
    CmdAlmanac = 40011,      // "Lịch vạn sự"
    CmdHouseTrigram = 40014, // "Bát trạch"
    CmdLoBanRuler = 40015,   // "Thước Lỗ Ban"
    CmdPurpleStar = 40016,   // "Tử vi - Đẩu số"
    CmdNineStar = 40017,     // "Hạn theo Cửu diệu"
    CmdSixtyCycle = 40018,   // "Lục thập hoa giáp"
    CmdBiorhythm = 40021,    // "Nhịp sinh học"
    CmdReminders = 40022,    // "Lịch nhắn, lễ hội"
    CmdAbout = 40024,        // "Thông tin"
    CmdPersonalInfo = 40026, // "Thông tin cá nhân"
    CmdFourPillars = 40173,  // "Tử bình - Tứ trụ"
    CmdWeather = 40181,      // "Dự báo thời tiết"
    CmdIChing = 40198,       // "Giải quẻ dịch"
    CmdClockSync = 40204,    // "Cập nhật thời gian"
    CmdSavedCharts = 40237,  // "Xem lưu kiện lá số"
};

// The almanac window's soft keys and menu 159.
enum AlmanacCommand : int {
    CmdAlmanacStars = 40010, // left key: "Xem sao" / "Chọn lịch", moves the focus
    CmdAlmanacToday = 40073, // "Hôm nay"
};

// The personal information dialog's menu 140.
enum PersonalCommand : int {
    CmdPersonalSave = 40190,  // "Lưu thông tin"
    CmdPersonalReset = 40191, // "Làm lại"
};

// The personal information dialog's controls.
enum PersonalControl : int {
    IdcPersonalName = 1002,
    IdcPersonalAddress = 1003,
    IdcPersonalCompany = 1004,
    IdcPersonalTelephone = 1005,
    IdcPersonalEmail = 1006,
    IdcPersonalBirth = 1009,
    IdcPersonalMale = 1014,
    IdcPersonalFemale = 1015,
};

// The reminder list's and editor's menu 158.
enum ReminderCommand : int {
    CmdRemindersAdd = 40059,     // "Thêm mới"
    CmdRemindersDelete = 40060,  // "Xóa"
    CmdRemindersView = 40061,    // "Xem chi tiết"
    CmdRemindersByTitle = 40062, // "Theo tiêu đề"
    CmdRemindersByDate = 40063,  // "Theo thời gian"
    CmdRemindersByPlace = 40064, // "Theo địa điểm"
    CmdRemindersByKind = 40065,  // "Theo thể loại"
    CmdRemindersSave = 40068,    // "Lưu dữ liệu"
    CmdRemindersRedraw = 40069,  // "Làm lại"
};

// The reminder list and the editor "Lịch nhắn" (template 157).
enum ReminderControl : int {
    IdcRemindersList = 6000,
    IdcReminderTitleLabel = 1010,
    IdcReminderPlaceLabel = 1011,
    IdcReminderDayLabel = 1012,
    IdcReminderMonthLabel = 1014,
    IdcReminderDay = 1018,
    IdcReminderMonth = 1019,
    IdcReminderDaysBefore = 1020,
    IdcReminderAlarm = 1021,
    IdcReminderKind = 1022,
    IdcReminderTitle = 1023,
    IdcReminderLunar = 1024,
    IdcReminderPrevious = 1025,
    IdcReminderNext = 1026,
    IdcReminderContent = 1027,
    IdcReminderAlarmLabel = 1028,
    IdcReminderBeforeLabel = 1029,
    IdcReminderDaysLabel = 1030,
    IdcReminderKindLabel = 1031,
    IdcReminderPlace = 1046,
};

// The biorhythm window's menu 142 and its options dialog's menu 169.
enum BiorhythmCommand : int {
    CmdBiorhythmEnergy = 40044,      // "Năng lượng"
    CmdBiorhythmEmotion = 40045,     // "Cảm xúc"
    CmdBiorhythmIntellect = 40046,   // "Trí tuệ"
    CmdBiorhythmIntuition = 40047,   // "Trực giác"
    CmdBiorhythmAesthetic = 40048,   // "Thẩm mỹ"
    CmdBiorhythmSpiritual = 40049,   // "Tâm linh"
    CmdBiorhythmOptions = 40051,     // "Tùy chọn" and "XOY"
    CmdBiorhythmOptionsSave = 40157, // "Lưu thông tin" of the options dialog
};

// The biorhythm window (template 141) and its options dialog (template 168).
enum BiorhythmControl : int {
    IdcBiorhythmBirth = 1009,
    IdcBiorhythmFrom = 1013,
    IdcBiorhythmView = 1039,
    IdcBiorhythmBirth2 = 1040,
    IdcBiorhythmLastPeriod = 1056,
    IdcBiorhythmAverage = 1057,
    IdcBiorhythmShowStrip = 1058,
};

// The weather window's menu bar 186.
enum WeatherCommand : int {
    CmdWeatherUpdate = 40248, // left key "Cập nhật"
    CmdWeatherShow = 40249,   // "Hiển thị"
    CmdWeatherPurge = 40251,  // "Xóa dữ liệu cũ"
};

// The weather window's city list.
inline constexpr int IdcWeatherCityList = 6003;

// The clock synchronisation dialog (template 178).
enum ClockSyncCommand : int {
    CmdClockSyncStart = 40205, // "Đồng bộ"
};

enum ClockSyncControl : int {
    IdcClockSyncCaption = 1080,
    IdcClockSyncDestinations = 1081,
    IdcClockSyncStatus = 1082,
    IdcClockSyncResult = 1083,
};
// The feng-shui and divination windows: "Bát trạch".
enum HouseTrigramControl : int {
    IdcHouseBirth = 1101,  // "Ngày sinh"
    IdcHouseMale = 1102,   // "Nam"
    IdcHouseFacing = 1103, // "Hướng nhà"
    IdcHouseChart = 1104,
};

// "Thước Lỗ Ban".
enum LoBanControl : int {
    IdcLoBanLength = 1111, // "Số đo"
    IdcLoBanRuler = 1112,  // the ruler list with its up-down arrows
    IdcLoBanScale = 1113,
};

// "Giải quẻ dịch": its controls and the commands of its menu.
enum IChingControl : int {
    IdcIChingEntry = 1121,     // the entered line symbols
    IdcIChingPattern = 1122,   // the looked-up pattern
    IdcIChingNames = 1123,     // the 64 names
    IdcIChingKind = 1124,      // the interpretation kind
    IdcIChingPrimary = 1125,   // "Quẻ Khai"
    IdcIChingResulting = 1126, // "Quẻ Kết"
    IdcIChingText = 1127,
};
enum IChingCommand : int {
    CmdIChingShow = 40250,   // "Xem quẻ": forms the entered hexagram
    CmdIChingMutual = 40251, // "Xem quẻ hỗ"
    CmdIChingCoins = 40252,  // "Gieo đồng xu"
    CmdIChingPlum = 40253,   // "Mai Hoa dịch"
};

// "Gieo đồng tiền".
enum CoinControl : int {
    IdcCoinLines = 1131, // "Tượng quẻ"
    IdcCoinCount = 1132, // "Lần gieo"
    IdcCoinHelp = 1133,
    IdcCoinPicture = 1134, // the three coins
};
enum CoinCommand : int {
    CmdCoinThrow = 40254,  // "Gieo": one throw
    CmdCoinAccept = 40255, // "Chọn quẻ"
    CmdCoinReset = 40256,  // "Gieo lại"
};

// "Chọn ngày" of the plum-blossom casting.
enum PlumControl : int {
    IdcPlumMoment = 1141, // the date and time
    IdcPlumNumber = 1142, // "Chọn số"
    IdcPlumHelp = 1143,
};
enum PlumCommand : int {
    CmdPlumByDate = 40257,   // "Theo ngày và giờ"
    CmdPlumByNumber = 40258, // "Theo số và giờ"
    CmdPlumRandom = 40259,   // "Chọn số ngẫu nhiên"
};

// "Hạn theo Cửu diệu".
enum NineStarControl : int {
    IdcNineStarBirth = 1151,  // "Ngày sinh"
    IdcNineStarMale = 1152,   // "Nam"
    IdcNineStarFemale = 1153, // "Nữ"
    IdcNineStarYear = 1154,   // "Năm xem"
    IdcNineStarName = 1155,   // "Hạn sao"
    IdcNineStarReading = 1156,
    IdcNineStarPicture = 1157,
};

// "Lục thập hoa giáp".
inline constexpr int IdcSixtyCycleList = 1161;

// The purple-star chart window's menu 164.
enum PurpleStarCommand : int {
    CmdPurpleStarNew = 40095,         // "Lá số mới"
    CmdPurpleStarWhole = 40100,       // "Xem tổng thể"
    CmdPurpleStarPalaceFirst = 40101, // "Cung mệnh": the life palace + (id − 40101)
    CmdPurpleStarPalaceLast = 40112,  // "Huynh đệ"
    CmdPurpleStarWide = 40141,        // "Xem rộng"
    CmdPurpleStarOpenSaved = 40239,   // "Mở lưu kiện"
};

// The four-pillars window's menu 177.
enum FourPillarsCommand : int {
    CmdFourPillarsNew = 40199,       // "Lá số mới"
    CmdFourPillarsWide = 40201,      // "Xem rộng"
    CmdFourPillarsLuck0 = 40220,     // "Đại vận 0"
    CmdFourPillarsLuck2 = 40221,     // "Đại vận 2"
    CmdFourPillarsLuck4 = 40225,     // "Đại vận 4"
    CmdFourPillarsLuck6 = 40226,     // "Đại vận 6"
    CmdFourPillarsLuck8 = 40227,     // "Đại vận 8"
    CmdFourPillarsOpenSaved = 40244, // "Mở lưu kiện"
};

// The saved-charts list's menu bar 165 and controls.
enum SavedChartsCommand : int {
    CmdSavedChartsDetails = 40232, // "Xem chi tiết"
    CmdSavedChartsNew = 40233,     // "Lá số mới"
    CmdSavedChartsSave = 40234,    // "Lưu thông tin"
    CmdSavedChartsDelete = 40235,  // "Xóa lá số"
};
enum SavedChartsControl : int {
    IdcSavedChartsSearch = 1064,
    IdcSavedChartsList = 1074,
};

// The birth-data dialog "Nhập lá số" (template 162).
enum BirthEntryControl : int {
    IdcBirthName = 1002,
    IdcBirthAddress = 1003,
    IdcBirthCompany = 1004,
    IdcBirthTelephone = 1005,
    IdcBirthEmail = 1006,
    IdcBirthDate = 1009,
    IdcBirthMale = 1014,
    IdcBirthFemale = 1015,
};

// The list a field of the day page or of the almanac's month panel opens.
inline constexpr int IdcFieldList = 6003;

// The day page's clock timer.
inline constexpr int kClockTimerId = 1054;
inline constexpr int kClockTimerMs = 500;

} // namespace velmora::app
