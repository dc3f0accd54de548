#pragma once
// The settings catalogue: every registry value of the product that this program holds, one
// line each, grouped by key group in load order. Everything else is made from these lines:
// the records (members of SettingsStore named like their values), the table that LoadAll,
// SaveAll and the backup walk, and the tests.
//
//   ROW(record type, value name, default, saved)
//   ROW_AS(record type, member name, L"value name", default, saved)  for names that are no identifiers
//
// Defaults: Number(n); NoColour(); ScaledX(n) / ScaledY(n), n in 96-dpi units scaled at load
// time; FirstDayOfWeek() of the user locale; Text(L"..."); InstallFolderPlus(L"suffix");
// WebisFolderPlus(L"suffix") after the value of WebIS_Folder; Bits(bit count), all bits 0;
// Font(weight, strike-out), whose height is ScaledX(12), face FontFaceToUse, no colour.
// kNotSaved rows are read and never written by this program: they belong to other
// programs or are the plug-in's own state.
//
// Later defaults are computed from earlier values (PIVOL from WebIS_Folder, the fonts from
// FontFaceToUse and ForceClearType), so the order within a group matters.

// Key group 0: Software\Microsoft\today\items\Quillmere
#define QM_TODAY_ITEM_ROWS(ROW) \
  ROW(StringSetting, ProgramFiles, Text(L"\\Program Files"), kNotSaved)

// Key group 1: Software\WebIS\PocketInformant
#define QM_POCKET_INFORMANT_ROWS(ROW) \
  ROW(StringSetting, IconPath, Text(L"My Documents\\WebIS\\Icons"), kNotSaved) \
  ROW(StringSetting, WebIS_Folder, Text(L"My Documents"), kNotSaved) \
  ROW(StringSetting, PIVOL, WebisFolderPlus(L"\\WebIS\\PocketInformant.vol"), kNotSaved) \
  ROW(DwordSetting, version, Number(700), kNotSaved)

// Key group 2: SOFTWARE\Developer One, Inc.\Agenda Fusion
#define QM_AGENDA_FUSION_ROWS(ROW, ROW_AS) \
  ROW_AS(StringSetting, CoreCategories, L"Core.Categories", Text(L"Program Files\\Agenda Fusion\\Icons"), kNotSaved)

// Key group 3: Software\Tessaly\Quillmere
#define QM_GENERAL_ROWS(ROW) \
  ROW(DwordSetting, OnClick, Number(0), kSaved) \
  ROW(DwordSetting, OnDoubleClick, Number(0), kSaved) \
  ROW(StringSetting, SelectedLangResFile, Text(L"\\Program Files\\Tessaly\\Quillmere\\LangRes\\QMEngRc.dll"), kSaved) \
  ROW(StringSetting, SkinPath, Text(L""), kSaved) \
  ROW(DwordSetting, EnableSoundEffect, Number(1), kSaved) \
  ROW(DwordSetting, RemoveHighlight, Number(0), kSaved) \
  ROW(DwordSetting, GoofyMode, Number(0), kSaved) \
  ROW(DwordSetting, IndentItems, Number(0), kSaved) \
  ROW(DwordSetting, AutoHeight, Number(1), kSaved) \
  ROW(DwordSetting, dHeightLimit, ScaledY(160), kSaved) \
  ROW(DwordSetting, dHeightLimitLandscape, Number(0), kSaved) \
  ROW(DwordSetting, DPadEnabled, Number(1), kSaved) \
  ROW(DwordSetting, DPadCompleteAction, Number(2), kSaved) \
  ROW(DwordSetting, DPadDoubleClickTabSwitching, Number(0), kSaved) \
  ROW(DwordSetting, DPadScrollingAction, Number(0), kSaved) \
  ROW(DwordSetting, ExclusiveDPadNavig, Number(0), kSaved) \
  ROW(DwordSetting, UseDoubleClickScroll, Number(1), kSaved) \
  ROW(DwordSetting, UseFullScrollings, Number(1), kSaved) \
  ROW(DwordSetting, MyVgaMode, Number(0), kSaved) \
  ROW(DwordSetting, UseThinLines, Number(0), kSaved) \
  ROW(DwordSetting, LoadingDelay, Number(0), kSaved) \
  ROW(StringSetting, QMFiltersFileFolder, InstallFolderPlus(L""), kNotSaved) \
  ROW(StringSetting, QMIconsFolder, InstallFolderPlus(L"\\CategoryIcons"), kNotSaved) \
  ROW(DwordSetting, NoteZoom, Number(100), kNotSaved) \
  ROW(DwordSetting, ActiveTab, Number(1), kNotSaved) \
  ROW(DwordSetting, FirstTimeSettingsMsg, Number(0), kSaved)

// Key group 4: Software\Tessaly\Quillmere\Calendar
#define QM_CALENDAR_ROWS(ROW) \
  ROW(DwordSetting, dNumOfDays, Number(7), kSaved) \
  ROW(DwordSetting, HideEmptyGroups, Number(1), kSaved) \
  ROW(DwordSetting, HideEmptyGroupsItem, Number(0), kSaved) \
  ROW(DwordSetting, SEventsOnClr, Number(0), kSaved) \
  ROW(DwordSetting, FirstWeekInYear, Number(0), kSaved) \
  ROW(DwordSetting, ClrTextColor, Number(0), kSaved) \
  ROW(DwordSetting, ClrSortTsksWithAppts, Number(0), kSaved) \
  ROW(DwordSetting, dAppoPassedToday, Number(0), kSaved) \
  ROW(DwordSetting, IncludeYearlyCounters, Number(1), kSaved) \
  ROW(DwordSetting, LeadingRects, Number(1), kSaved) \
  ROW(DwordSetting, Conflicting, Number(1), kSaved) \
  ROW(DwordSetting, HideAlldayEventIcon, Number(0), kSaved) \
  ROW(DwordSetting, IncldTasksInCR, Number(1), kSaved) \
  ROW(DwordSetting, IncldOverDueTsksInCR, Number(1), kSaved) \
  ROW(DwordSetting, IncldFutureTsksInCR, Number(1), kSaved) \
  ROW(DwordSetting, IncldUndatedTsksInCR, Number(0), kSaved) \
  ROW(DwordSetting, DatesToIncldCmpltdTsksOnClr, Number(0), kSaved) \
  ROW(DwordSetting, IncldPastCmpltdTsksInClndr, Number(0), kSaved) \
  ROW(DwordSetting, FutureLimitTsksOnClr, Number(0), kSaved) \
  ROW(DwordSetting, TasksSubsortOnCal, Number(0), kSaved) \
  ROW(DwordSetting, SkipActiveTsksWeekends, Number(0), kSaved) \
  ROW(DwordSetting, DueDateTsksDateFrmt, Number(0), kSaved) \
  ROW(DwordSetting, ShowActiveTsksOnCal, Number(1), kSaved) \
  ROW(DwordSetting, PaintTsksBeforeAppts, Number(0), kSaved) \
  ROW(DwordSetting, ConfirmTaskComplete, Number(0), kSaved) \
  ROW(DwordSetting, DayTtlFrmt, Number(1), kSaved) \
  ROW(DwordSetting, dDayBreaker, Number(1), kSaved) \
  ROW(DwordSetting, TimeLines, Number(2), kSaved) \
  ROW(DwordSetting, ShowTomorrowTtl, Number(1), kSaved) \
  ROW(DwordSetting, IncldCounters, Number(0), kSaved) \
  ROW(DwordSetting, UseSmartFolding, Number(1), kSaved) \
  ROW(DwordSetting, FoldingType, Number(2), kSaved) \
  ROW(DwordSetting, FilterFreeApptsFromTL, Number(0), kSaved) \
  ROW(DwordSetting, ForceTodayTitleDsply, Number(0), kSaved) \
  ROW(DwordSetting, AppendDateToTodayTtl, Number(0), kSaved) \
  ROW(DwordSetting, AppendDaysCountTottl, Number(0), kSaved) \
  ROW(DwordSetting, AppendWeekNumTottl, Number(0), kSaved) \
  ROW(DwordSetting, TimelinesStart, Number(0), kSaved) \
  ROW(DwordSetting, TimelinesLength, Number(18), kSaved) \
  ROW(DwordSetting, TimelinesVertZ, Number(1), kSaved) \
  ROW(DwordSetting, TimelinesHorZ, Number(1), kSaved) \
  ROW(DwordSetting, ApptLeftAlignIcon1, Number(0), kSaved) \
  ROW(DwordSetting, ApptLeftAlignIcon2, Number(0), kSaved) \
  ROW(DwordSetting, TaskLeftAlignIcon1, Number(0), kSaved) \
  ROW(DwordSetting, TaskLeftAlignIcon2, Number(0), kSaved) \
  ROW(DwordSetting, ClrApptRightIcons, Number(479), kSaved) \
  ROW(DwordSetting, ClrTaskRightIcons, Number(383), kSaved) \
  ROW(DwordSetting, ApptDisplayFormat, Number(6), kSaved) \
  ROW(DwordSetting, OnPopupMonthCalClick, Number(0), kSaved) \
  ROW(DwordSetting, MonthlyPopupCalDateFrmt, Number(0), kSaved) \
  ROW(DwordSetting, MonthlyStartDay, FirstDayOfWeek(), kSaved) \
  ROW(DwordSetting, FirstWorkDay, FirstDayOfWeek(), kSaved) \
  ROW(DwordSetting, MonthlyPopWithWeekNum, Number(0), kSaved) \
  ROW(DwordSetting, MonthlyPopTimelines, Number(2), kSaved) \
  ROW(DwordSetting, MonthlyPopCatIcons, Number(1), kSaved) \
  ROW(DwordSetting, MonthlyPopIconsSize, ScaledX(6), kSaved) \
  ROW(DwordSetting, PopupClrDPadNavigation, Number(2), kSaved) \
  ROW(DwordSetting, PinnedMonthlyClr, Number(0), kSaved) \
  ROW(DwordSetting, IncludeMainOnCal, Number(0), kSaved) \
  ROW(DwordSetting, MailHideWhenZeroMsgs, Number(0), kSaved) \
  ROW(DwordSetting, MailTitleFormat, Number(0), kSaved) \
  ROW(DwordSetting, MailSoftwareToUse, Number(0), kSaved) \
  ROW(StringSetting, MailCustomInboxStr, Text(L""), kSaved) \
  ROW(DwordSetting, HideMailTtlUnderToday, Number(0), kSaved) \
  ROW(DwordSetting, ShowMailCounterOnTtl, Number(1), kSaved) \
  ROW(DwordSetting, WeatehrLayout, Number(1), kSaved) \
  ROW(DwordSetting, WeatehrOnClick, Number(1), kSaved) \
  ROW(DwordSetting, Force2DigitsTImeFrmt, Number(0), kSaved) \
  ROW(DwordSetting, SkinTodayWhenCollpsAll, Number(0), kSaved) \
  ROW(DwordSetting, HumanTime, Number(0), kSaved) \
  ROW(DwordSetting, HideOverDueTsksDayTtl, Number(0), kSaved) \
  ROW(DwordSetting, HideUndatedTsksDayTtl, Number(0), kSaved) \
  ROW(StringSetting, CustomDayttlFrmtDefault, Text(L""), kSaved) \
  ROW(DwordSetting, CalTitlesOrder0, Number(0), kSaved) \
  ROW(DwordSetting, CalTitlesOrder1, Number(1), kSaved) \
  ROW(DwordSetting, CalTitlesOrder2, Number(2), kSaved) \
  ROW(DwordSetting, CalTitlesOrder3, Number(3), kSaved) \
  ROW(DwordSetting, CalTitlesOrder4, Number(4), kSaved) \
  ROW(DwordSetting, CalTitlesOrder5, Number(5), kSaved) \
  ROW(StringSetting, CalendarSelCategory, Text(L""), kNotSaved) \
  ROW(DwordSetting, CalendarSelFilter, Number(0), kNotSaved) \
  ROW(StringSetting, CalendarRecentFilters, Text(L""), kNotSaved) \
  ROW(BitSetSetting, FoldState, Bits(125), kNotSaved)

// Key group 5: Software\Tessaly\Quillmere\Tasks
#define QM_TASKS_ROWS(ROW) \
  ROW(DwordSetting, TsksDateFrmt, Number(3), kSaved) \
  ROW(DwordSetting, TsksLimitFutureDate, Number(0), kSaved) \
  ROW(DwordSetting, HideCompletedTasks, Number(0), kSaved) \
  ROW(DwordSetting, HidePastCompletedTasks, Number(1), kSaved) \
  ROW(DwordSetting, ConfirmTaskCompleteTsks, Number(1), kSaved) \
  ROW(DwordSetting, RemoveUndatedLeadingStr, Number(0), kSaved) \
  ROW(DwordSetting, RemoveUndatedTsks, Number(0), kSaved) \
  ROW(DwordSetting, TsksLineBreaker, Number(1), kSaved) \
  ROW(DwordSetting, TsksFoldingType, Number(2), kSaved) \
  ROW(DwordSetting, TsksUseSmartFolding, Number(1), kSaved) \
  ROW(DwordSetting, IncludeCountersTsks, Number(1), kSaved) \
  ROW(DwordSetting, TaskTabLeftAlignIcon1, Number(0), kSaved) \
  ROW(DwordSetting, TaskTabLeftAlignIcon2, Number(0), kSaved) \
  ROW(DwordSetting, TasksRightIcons, Number(383), kSaved) \
  ROW(DwordSetting, UseCustomDateTsks, Number(0), kSaved) \
  ROW(DwordSetting, TsksCustomDateStruct, Number(1), kSaved) \
  ROW(StringSetting, CustomDateFrmtStart, Text(L""), kSaved) \
  ROW(StringSetting, CustomDateFrmtEnd, Text(L""), kSaved) \
  ROW(StringSetting, TasksSelCategory, Text(L""), kNotSaved) \
  ROW(DwordSetting, TasksSelFilter, Number(0), kNotSaved) \
  ROW(StringSetting, TasksRecentFilters, Text(L""), kNotSaved) \
  ROW(DwordSetting, TsksGrouping, Number(15), kNotSaved) \
  ROW(DwordSetting, TsksGroupingDirctn, Number(1), kNotSaved) \
  ROW(DwordSetting, TsksSrt1, Number(0), kNotSaved) \
  ROW(DwordSetting, TsksSrt1Dirctn, Number(1), kNotSaved) \
  ROW(DwordSetting, TsksSrt2, Number(2), kNotSaved) \
  ROW(DwordSetting, TsksSrt2Dirctn, Number(1), kNotSaved) \
  ROW(DwordSetting, TsksSrt3, Number(5), kNotSaved) \
  ROW(DwordSetting, TsksSrt3Dirctn, Number(1), kNotSaved) \
  ROW(BitSetSetting, FoldState, Bits(41), kNotSaved) \
  ROW(StringSetting, FoldStateCategory, Text(L""), kNotSaved)

// Key group 6: Software\Tessaly\Quillmere\Notes
#define QM_NOTES_ROWS(ROW) \
  ROW(DwordSetting, NotesActiveSearchBar, Number(1), kSaved) \
  ROW(StringSetting, NotesCustomSearchBarSelected, Text(L""), kSaved) \
  ROW(DwordSetting, NotesPreviewNotesState, Number(2), kSaved) \
  ROW(DwordSetting, NotesBreakLineStyle, Number(1), kSaved) \
  ROW(DwordSetting, NotesIncldFoldBttns, Number(1), kSaved) \
  ROW(DwordSetting, NotesIncldCounters, Number(1), kSaved) \
  ROW(DwordSetting, NotesScannedFileTypes, Number(831), kSaved) \
  ROW(StringSetting, NotesSelFolder, Text(L""), kNotSaved) \
  ROW(DwordSetting, NotesTabGrouping, Number(1), kNotSaved) \
  ROW(DwordSetting, NotesGroupingDirctn, Number(1), kNotSaved) \
  ROW(DwordSetting, DisplayOnNotesTab, Number(5), kNotSaved) \
  ROW(DwordSetting, NotesTab1Sort, Number(0), kNotSaved) \
  ROW(DwordSetting, NotesTab1SortDirect, Number(1), kNotSaved) \
  ROW(DwordSetting, NotesSearchMode, Number(0), kNotSaved) \
  ROW(DwordSetting, FoldingStateNone, Number(0), kNotSaved) \
  ROW(StringSetting, FoldingStateFolder, Text(L""), kNotSaved) \
  ROW(DwordSetting, FoldingStateProgress, Number(0), kNotSaved) \
  ROW(DwordSetting, FoldingStateType, Number(0), kNotSaved)

// Key group 7: Software\Tessaly\Quillmere\Contacts
#define QM_CONTACTS_ROWS(ROW) \
  ROW(DwordSetting, CntctsActiveLanguages, Number(1), kSaved) \
  ROW(DwordSetting, CntctsActiveSearchBar, Number(1), kSaved) \
  ROW(StringSetting, ContactsCustomSearchBarSelected, Text(L""), kSaved) \
  ROW(DwordSetting, CntctsTitleStruct, Number(0), kSaved) \
  ROW(DwordSetting, CntctsDPadActionOverride, Number(1), kSaved) \
  ROW(DwordSetting, CntctsOnClickActionOpenItem, Number(0), kSaved) \
  ROW(DwordSetting, CntctsPrvwDlgUponOpenItem, Number(0), kSaved) \
  ROW(DwordSetting, ContactsTxtByCategoryClr, Number(0), kSaved) \
  ROW(DwordSetting, CntctsBreakLineStyle, Number(1), kSaved) \
  ROW(DwordSetting, CntctsIncldFoldBttns, Number(1), kSaved) \
  ROW(DwordSetting, CntctsIncldCounters, Number(1), kSaved) \
  ROW(DwordSetting, ContactsLayout, Number(0), kSaved) \
  ROW(DwordSetting, CntctsPhoneColumnWidth, Number(90), kSaved) \
  ROW(DwordSetting, CntctsHideNoPicture, Number(0), kSaved) \
  ROW(StringSetting, ContactsSelCategory, Text(L""), kNotSaved) \
  ROW(DwordSetting, ContactsSelFilter, Number(0), kNotSaved) \
  ROW(StringSetting, ContactsRecentFilters, Text(L""), kNotSaved) \
  ROW(DwordSetting, ContactsGrouping, Number(0), kNotSaved) \
  ROW(DwordSetting, ContactsGroupingDirection, Number(1), kNotSaved) \
  ROW(DwordSetting, ContactsSortDirection, Number(1), kNotSaved) \
  ROW(DwordSetting, ContactsSearchMode, Number(0), kNotSaved) \
  ROW(DwordSetting, FoldingStateNone, Number(0), kNotSaved) \
  ROW(StringSetting, FoldingStateCategory, Text(L""), kNotSaved) \
  ROW(StringSetting, FoldingStateCompany, Text(L""), kNotSaved)

// Key group 8: Software\Tessaly\Quillmere\Messages
#define QM_MESSAGES_ROWS(ROW) \
  ROW(DwordSetting, MsgsDPadActionOverride, Number(1), kSaved) \
  ROW(DwordSetting, MsgsOpenOnClick, Number(0), kSaved) \
  ROW(DwordSetting, MsgsPreviewWhenOpen, Number(0), kSaved) \
  ROW(DwordSetting, MsgsMrkReadOnPrev, Number(1), kSaved) \
  ROW(DwordSetting, MsgsBreakLineStyle, Number(1), kSaved) \
  ROW(DwordSetting, MsgsIncldCounters, Number(1), kSaved) \
  ROW(DwordSetting, MsgsIncldFoldBttns, Number(1), kSaved) \
  ROW(DwordSetting, MessagesSort, Number(0), kNotSaved) \
  ROW(DwordSetting, MessagesSortDirection, Number(1), kNotSaved) \
  ROW(StringSetting, FoldingStateAcct, Text(L""), kNotSaved) \
  ROW(DwordSetting, MsgsShowReadMessages, Number(1), kNotSaved) \
  ROW(DwordSetting, MsgsShowEmptyAccounts, Number(0), kNotSaved)

// Key group 9: Software\Tessaly\Quillmere\SEvents
#define QM_SPECIAL_EVENTS_ROWS(ROW) \
  ROW(DwordSetting, SEventDays, Number(2), kSaved) \
  ROW(DwordSetting, SEAlertBeforeDays, Number(0), kSaved) \
  ROW(DwordSetting, SEDateFormat, Number(0), kSaved) \
  ROW(DwordSetting, SEContactFormat, Number(0), kSaved) \
  ROW(DwordSetting, SEApptsDaySpan, Number(30), kSaved) \
  ROW(DwordSetting, SEFilterAlertBeforeDays, Number(0), kSaved) \
  ROW(StringSetting, AdditionalFilterCat1, Text(L""), kSaved) \
  ROW(StringSetting, AdditionalFilterCat2, Text(L""), kSaved) \
  ROW(StringSetting, AdditionalFilterCat3, Text(L""), kSaved) \
  ROW(StringSetting, AdditionalFilterCat4, Text(L""), kSaved) \
  ROW(DwordSetting, BreakLineStyle, Number(1), kSaved) \
  ROW(DwordSetting, IncldFoldBttns, Number(1), kSaved) \
  ROW(DwordSetting, IncldCounters, Number(1), kSaved) \
  ROW(StringSetting, SEventsSelCategory, Text(L""), kNotSaved) \
  ROW(DwordSetting, SEventsSelFilter, Number(0), kNotSaved) \
  ROW(StringSetting, SEventsRecentFilters, Text(L""), kNotSaved) \
  ROW(DwordSetting, FoldingState, Number(0), kNotSaved)

// Key group 10: Software\Tessaly\Quillmere\Fonts
#define QM_FONTS_ROWS(ROW) \
  ROW(DwordSetting, FontGnrlSize, ScaledX(12), kSaved) \
  ROW(DwordSetting, FontGnrlTitlesSize, ScaledX(12), kSaved) \
  ROW(DwordSetting, FontGnrlUseAdvncd, Number(0), kSaved) \
  ROW(StringSetting, FontFaceToUse, Text(L"Tahoma"), kSaved) \
  ROW(DwordSetting, UseShadowColor, Number(0), kSaved) \
  ROW(DwordSetting, ForceClearType, Number(0), kSaved) \
  ROW(FontSetting, FontGeneral, Font(100, 0), kSaved) \
  ROW(FontSetting, FontCalTasks, Font(100, 0), kSaved) \
  ROW(FontSetting, FontCalTasksOverdue, Font(100, 0), kSaved) \
  ROW(FontSetting, FontCalTasksFuture, Font(100, 0), kSaved) \
  ROW(FontSetting, FontCalTasksCompleted, Font(100, 0), kSaved) \
  ROW(FontSetting, FontCalTasksUndated, Font(100, 0), kSaved) \
  ROW(FontSetting, FontCalApptBusy, Font(100, 0), kSaved) \
  ROW(FontSetting, FontCalApptFree, Font(100, 0), kSaved) \
  ROW(FontSetting, FontCalApptOutOfOffice, Font(100, 0), kSaved) \
  ROW(FontSetting, FontCalTentative, Font(100, 0), kSaved) \
  ROW(FontSetting, FontCalPast, Font(100, 1), kSaved) \
  ROW(FontSetting, FontCalCompleted, Font(100, 1), kSaved) \
  ROW(FontSetting, FontMailRead, Font(100, 0), kSaved) \
  ROW(FontSetting, FontMailUnread, Font(700, 0), kSaved) \
  ROW(FontSetting, FontCalDayTitles, Font(700, 0), kSaved) \
  ROW(FontSetting, FontTskOverdue, Font(100, 0), kSaved) \
  ROW(FontSetting, FontTskDueToday, Font(100, 0), kSaved) \
  ROW(FontSetting, FontTskNoDue, Font(100, 0), kSaved) \
  ROW(FontSetting, FontTskFutureDue, Font(100, 0), kSaved) \
  ROW(FontSetting, FontTskGroupingTtls, Font(700, 0), kSaved) \
  ROW(FontSetting, FontNoteItems, Font(100, 0), kSaved) \
  ROW(FontSetting, FontNoteTitles, Font(700, 0), kSaved) \
  ROW(FontSetting, FontContactItems, Font(100, 0), kSaved) \
  ROW(FontSetting, FontContactTitles, Font(700, 0), kSaved) \
  ROW(FontSetting, FontMsgsUnread, Font(700, 0), kSaved) \
  ROW(FontSetting, FontMsgsRead, Font(100, 0), kSaved) \
  ROW(FontSetting, FontMsgsTitles, Font(700, 0), kSaved) \
  ROW(FontSetting, FontSEGeneral, Font(100, 0), kSaved) \
  ROW(FontSetting, FontSEFilter1, Font(100, 0), kSaved) \
  ROW(FontSetting, FontSEFilter2, Font(100, 0), kSaved) \
  ROW(FontSetting, FontSEFilter3, Font(100, 0), kSaved) \
  ROW(FontSetting, FontSEFilter4, Font(100, 0), kSaved) \
  ROW(FontSetting, FontSEGroupingTtls, Font(700, 0), kSaved)

// Key group 11: Software\Tessaly\Quillmere\Colors
#define QM_COLOURS_ROWS(ROW) \
  ROW(DwordSetting, SeperatorLineClr, NoColour(), kSaved) \
  ROW(DwordSetting, ShadowFontColor, NoColour(), kSaved) \
  ROW(DwordSetting, GeneralFontColor, NoColour(), kSaved) \
  ROW(DwordSetting, HighlightBgClr, NoColour(), kSaved) \
  ROW(DwordSetting, HighlightTextClr, NoColour(), kSaved) \
  ROW(DwordSetting, TimeLinesBgClr, NoColour(), kSaved) \
  ROW(DwordSetting, TimeLinesDfltClr, NoColour(), kSaved) \
  ROW(DwordSetting, ClrBreakingLineClr, NoColour(), kSaved) \
  ROW(DwordSetting, ClrPopupClrBg, NoColour(), kSaved) \
  ROW(DwordSetting, ClrPopupCurr, NoColour(), kSaved) \
  ROW(DwordSetting, ClrPopupHighlight, NoColour(), kSaved) \
  ROW(DwordSetting, TskBreakingLineClr, NoColour(), kSaved) \
  ROW(DwordSetting, ClrStatusFree, NoColour(), kSaved) \
  ROW(DwordSetting, ClrStatusBusy, NoColour(), kSaved) \
  ROW(DwordSetting, ClrStatusTentative, NoColour(), kSaved) \
  ROW(DwordSetting, ClrStatusOutofoffice, NoColour(), kSaved)

// Key group 12: Software\Tessaly\Quillmere\CustomPIM
#define QM_CUSTOM_PIM_ROWS(ROW) \
  ROW(DwordSetting, PimSw, Number(0), kSaved) \
  ROW(DwordSetting, DefaultReminderAppts, Number(15), kSaved) \
  ROW(DwordSetting, DefaultReminderTasks, Number(480), kSaved) \
  ROW(DwordSetting, OverridePimCatIcons, Number(0), kSaved) \
  ROW(DwordSetting, OverridePimCatColros, Number(0), kSaved) \
  ROW(DwordSetting, LeaveAFRunning, Number(0), kSaved) \
  ROW(DwordSetting, HideABCVals, Number(1), kSaved)

// Key group 13: Software\Tessaly\Quillmere\TabSettings
#define QM_TAB_SETTINGS_ROWS(ROW) \
  ROW(DwordSetting, TabsPosition, Number(3), kSaved) \
  ROW(DwordSetting, TabsStyle, Number(1), kSaved) \
  ROW(DwordSetting, TabGestures, Number(1), kSaved) \
  ROW(DwordSetting, TabGesturEffect, Number(1), kSaved) \
  ROW(DwordSetting, CalendarTabEnabled, Number(1), kSaved) \
  ROW(DwordSetting, CalendarTabOrder, Number(1), kSaved) \
  ROW(DwordSetting, TasksTabEnabled, Number(1), kSaved) \
  ROW(DwordSetting, TasksTabOrder, Number(2), kSaved) \
  ROW(DwordSetting, NotesTabEnabled, Number(1), kSaved) \
  ROW(DwordSetting, NotesTabOrder, Number(3), kSaved) \
  ROW(DwordSetting, ContactsTabEnabled, Number(1), kSaved) \
  ROW(DwordSetting, ContactsTabOrder, Number(4), kSaved) \
  ROW(DwordSetting, MailTabEnabled, Number(1), kSaved) \
  ROW(DwordSetting, MailTabOrder, Number(5), kSaved) \
  ROW(DwordSetting, SEventsTabEnabled, Number(1), kSaved) \
  ROW(DwordSetting, SEventsTabOrder, Number(6), kSaved) \
  ROW(DwordSetting, DfltTabTimeOut, Number(0), kSaved) \
  ROW(DwordSetting, DfltTab, Number(0), kSaved) \
  ROW(DwordSetting, DfltTabOnStartup, Number(0), kSaved)

// Key group 14: Software\Tessaly\Quillmere\Categories
#define QM_CATEGORIES_ROWS(ROW) \
  ROW(StringSetting, AdditionalIconsFolder, Text(L""), kSaved)
