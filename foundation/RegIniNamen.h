// Section and key names of the settings file, spelled exactly as the file stores them
// (misspellings included: files written by earlier versions must still be read). Names are
// case-insensitive in the file. Keys marked "+ n" are followed by a decimal number.
#pragma once

// Sections
inline constexpr char RegSecWindow[] = "Window";
inline constexpr char RegSecOptions[] = "Options";
inline constexpr char RegSecTools[] = "Tools";
inline constexpr char RegSecPrint[] = "Print";
inline constexpr char RegSecCompiler[] = "Compiler";
inline constexpr char RegSecDownload[] = "Download";
inline constexpr char RegSecDebug[] = "Debug";
inline constexpr char RegSecSprache[] = "Sprache";
inline constexpr char RegSecEts[] = "Ets";
inline constexpr char RegSecEtsUpdate[] = "EtsUpdate";
inline constexpr char RegSecReconstruction[] = "Reconstruction";

// "Window"
inline constexpr char RegKeyMainTop[] = "MainTop";
inline constexpr char RegKeyMainLeft[] = "MainLeft";
inline constexpr char RegKeyMainHeight[] = "MainHeight";
inline constexpr char RegKeyMainWidth[] = "MainWidth";
inline constexpr char RegKeyMainState[] = "MainState";
inline constexpr char RegKeyVerwTop[] = "VerwTop";
inline constexpr char RegKeyVerwLeft[] = "VerwLeft";
inline constexpr char RegKeyVerwHeight[] = "VerwHeight";
inline constexpr char RegKeyVerwWidth[] = "VerwWidth";
inline constexpr char RegKeyVerwState[] = "VerwState";
inline constexpr char RegKeyTreeWidth[] = "TreeWidth";

// "Options"
inline constexpr char RegKeyAutoSave[] = "AutoSave";
inline constexpr char RegKeyAutoSaveMinuten[] = "AutoSaveMinuten";
inline constexpr char RegKeyColorGridCommmon[] = "ColorGridCommmon";
inline constexpr char RegKeyColorGridTitle[] = "ColorGridTitle";
inline constexpr char RegKeyColorGridCell[] = "ColorGridCell";
inline constexpr char RegKeyColorGridCellReadOnly[] = "ColorGridCellReadOnly";
inline constexpr char RegKeyGitternetzlinien[] = "Gitternetzlinien";
inline constexpr char RegKeyGridAutoSize[] = "GridAutoSize";
inline constexpr char RegKeyGridColDefSize[] = "GridColDefSize";
inline constexpr char RegKeyTableAutoCellActivate[] = "TableAutoCellActivate";
inline constexpr char RegKeyTabelAutoCellActivateRowNumber[] = "TabelAutoCellActivateRowNumber";
inline constexpr char RegKeyShowQuickHelp[] = "ShowQuickHelp";
inline constexpr char RegKeyToolAccess[] = "ToolAccess";
inline constexpr char RegKeyFileCharTab[] = "FileCharTab";
inline constexpr char RegKeyWorkDir[] = "WorkDir";
inline constexpr char RegKeySysDir[] = "SysDir";
inline constexpr char RegKeyLogfile[] = "Logfile";
inline constexpr char RegKeyAskOverwrite[] = "AskOverwrite";
inline constexpr char RegKeyNoSysFile[] = "NoSysFile";
inline constexpr char RegKeyShowDlgAbfrName[] = "ShowDlgAbfrName";
inline constexpr char RegKeyCharTabAdrStart[] = "CharTabAdrStart";
inline constexpr char RegKeyCharTabAdrEnd[] = "CharTabAdrEnd";
inline constexpr char RegKeyPreviewPosTop[] = "PreviewPosTop";
inline constexpr char RegKeyPreviewPosLeft[] = "PreviewPosLeft";
inline constexpr char RegKeyShowPreview[] = "ShowPreview";
inline constexpr char RegKeyResMonTop[] = "ResMonTop";
inline constexpr char RegKeyResMonLeft[] = "ResMonLeft";
inline constexpr char RegKeyShowResMon[] = "ShowResMon";
inline constexpr char RegKeyShowResMonRam[] = "ShowResMonRam";
inline constexpr char RegKeyShowResMon2yte[] = "ShowResMon2yte";
inline constexpr char RegKeyShowResMon3yte[] = "ShowResMon3yte";
inline constexpr char RegKeyShowResMon4yte[] = "ShowResMon4yte";
inline constexpr char RegKeyShowResMon6te[] = "ShowResMon6te";
inline constexpr char RegKeyShowResMon8yte[] = "ShowResMon8yte";
inline constexpr char RegKeyShowResMon10yte[] = "ShowResMon10yte";
inline constexpr char RegKeyShowResMon14Byte[] = "ShowResMon14Byte";
inline constexpr char RegKeyShowResMonColWert[] = "ShowResMonColWert";
inline constexpr char RegKeyShowResMonColProz[] = "ShowResMonColProz";
inline constexpr char RegKeyShowResMonColIntern[] = "ShowResMonColIntern";
inline constexpr char RegKeyNotClosed[] = "NotClosed";

// "Tools"
inline constexpr char RegKeyToolName[] = "ToolName";   // + n
inline constexpr char RegKeyToolParam[] = "ToolParam"; // + n
inline constexpr char RegKeyToolFile[] = "ToolFile";   // + n

// "Print"
inline constexpr char RegKeyBaum[] = "Baum";
inline constexpr char RegKeyZeichensatz[] = "Zeichensatz";
inline constexpr char RegKeyGeraet[] = "Geraet";
inline constexpr char RegKeyParamSeite[] = "ParamSeite";
inline constexpr char RegKeyParamSeiteAlarm[] = "ParamSeiteAlarm";
inline constexpr char RegKeyParamZeile[] = "ParamZeile";
inline constexpr char RegKeyParamParamObjekt[] = "ParamParamObjekt";
inline constexpr char RegKeyParamZeileAlarm[] = "ParamZeileAlarm";

// "Compiler" and "Download" (kept in the bus tool's device profile)
inline constexpr char RegKeyBcuFirmwareVersion[] = "BcuFirmwareVersion";
inline constexpr char RegKeyBcuFirmware[] = "BcuFirmware";
inline constexpr char RegKeyUserFirmwareVersion[] = "UserFirmwareVersion";
inline constexpr char RegKeyUserFirmware[] = "UserFirmware";
inline constexpr char RegKeyMaxRepeat[] = "MaxRepeat";
inline constexpr char RegKeyUserMemAlles[] = "UserMemAlles";

// "Debug"
inline constexpr char RegKeyPriority[] = "Priority";
inline constexpr char RegKeyLogStart[] = "LogStart";
inline constexpr char RegKeyLogFreigabe[] = "LogFreigabe";
inline constexpr char RegKeyLogTime[] = "LogTime";
inline constexpr char RegKeyWriteReadBlob[] = "WriteReadBlob";
inline constexpr char RegKeyWriteSaveBlob[] = "WriteSaveBlob";
inline constexpr char RegKeyReadBlob[] = "ReadBlob";
inline constexpr char RegKeySaveBlob[] = "SaveBlob";

// "Sprache"
inline constexpr char RegKeyCount[] = "Count";
inline constexpr char RegKeySprache[] = "Sprache";     // + n
inline constexpr char RegKeySprachExt[] = "SprachExt"; // + n

// "Ets"
inline constexpr char RegKeyEtsIniName[] = "EtsIniName";
inline constexpr char RegKeyEts20Ini[] = "Ets20Ini";
inline constexpr char RegKeyGrpAdrLevelSection[] = "GrpAdrLevelSection";
inline constexpr char RegKeyGrpAdrLevelName[] = "GrpAdrLevelName";

// "Reconstruction"
inline constexpr char RegKeySaveRecoDataInFile[] = "SaveRecoDataInFile";
inline constexpr char RegKeyMenueReadAndReconstructDeviceImage[] =
    "MenueReadAndReconstructDeviceImage";
