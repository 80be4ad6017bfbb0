// The ICF command vocabulary: every command name the filter writes, and the
// only place where those names are spelled. Pairs named ...On and ...Off are
// the two forms of one property.
#pragma once

// Document frame
constexpr char kCmdDocumentId[] = "DID";
constexpr char kCmdFontTable[] = "FDT";
constexpr char kCmdSummaryInfo[] = "SSI";

// Style definitions and style switching
constexpr char kCmdStyleDefinition[] = "SYT";
constexpr char kCmdStyleKind[] = "SYP";
constexpr char kCmdStyleDefinitionEnd[] = "SEP";
constexpr char kCmdStyleOn[] = "STY";
constexpr char kCmdStyleOff[] = "STF";
constexpr char kCmdStyleSwitchEnd[] = "STE";
constexpr char kCmdStyleBasedOn[] = "SBO";

// Text
constexpr char kCmdDeletedText[] = "DTX";
constexpr char kCmdHexCharacter[] = "HEX";
constexpr char kCmdExtendedCharacter[] = "XCS";
constexpr char kCmdMultibyteText[] = "MBC";

// Character properties
constexpr char kCmdBoldOn[] = "BBT";
constexpr char kCmdBoldOff[] = "EBT";
constexpr char kCmdItalicOn[] = "ITO";
constexpr char kCmdItalicOff[] = "ITF";
constexpr char kCmdUnderlineOn[] = "BUL";
constexpr char kCmdUnderlineOff[] = "EUL";
constexpr char kCmdStrikeOutOn[] = "BSO";
constexpr char kCmdStrikeOutOff[] = "ESO";
constexpr char kCmdFlashingOn[] = "BFL";
constexpr char kCmdFlashingOff[] = "EFL";
constexpr char kCmdHiddenOn[] = "BHT";
constexpr char kCmdHiddenOff[] = "EHT";
constexpr char kCmdOutlineOn[] = "BOL";
constexpr char kCmdOutlineOff[] = "EOL";
constexpr char kCmdReverseOn[] = "BRV";
constexpr char kCmdReverseOff[] = "ERV";
constexpr char kCmdRevisionAddedOn[] = "BRL";
constexpr char kCmdRevisionAddedOff[] = "ERL";
constexpr char kCmdShadowOn[] = "BSP";
constexpr char kCmdShadowOff[] = "ESP";
constexpr char kCmdBlockProtect[] = "BKP";
constexpr char kCmdSmallCapsOn[] = "BCS";
constexpr char kCmdSmallCapsOff[] = "ECS";
constexpr char kCmdUpperCaseOn[] = "BCU";
constexpr char kCmdUpperCaseOff[] = "ECU";
constexpr char kCmdSuperscriptOn[] = "SPS";
constexpr char kCmdSuperscriptOff[] = "EPS";
constexpr char kCmdSubscriptOn[] = "SBS";
constexpr char kCmdSubscriptOff[] = "EBS";
constexpr char kCmdWidthAdjustmentOn[] = "KER";
constexpr char kCmdWidthAdjustmentOff[] = "EKR";
constexpr char kCmdColor[] = "BCL";
constexpr char kCmdFont[] = "SPF";
constexpr char kCmdLanguage[] = "SLG";

// Paragraph properties
constexpr char kCmdJustifyOn[] = "BRJ";
constexpr char kCmdJustifyOff[] = "ERJ";
constexpr char kCmdCenter[] = "BCA";
constexpr char kCmdAlignRight[] = "BRA";
constexpr char kCmdHyphenationOn[] = "BHP";
constexpr char kCmdHyphenationOff[] = "EHP";
constexpr char kCmdHyphenationZone[] = "RHZ";
constexpr char kCmdKeepTogether[] = "KEP";
constexpr char kCmdKeepWithNext[] = "KWN";
constexpr char kCmdLineHeight[] = "LNH";
constexpr char kCmdLineSpacing[] = "RSP";
constexpr char kCmdSpaceBefore[] = "SBF";
constexpr char kCmdSpaceAfter[] = "SAF";
constexpr char kCmdWidowOrphanOn[] = "WON";
constexpr char kCmdWidowOrphanOff[] = "WOY";
constexpr char kCmdIndents[] = "IPS";
constexpr char kCmdHangingIndent[] = "LMR";
constexpr char kCmdRightIndent[] = "RMI";
constexpr char kCmdLeftMargin[] = "STM";
constexpr char kCmdTabRuler[] = "RUL";
constexpr char kCmdTabDefinitions[] = "NTB";
constexpr char kCmdBorders[] = "PBC";
constexpr char kCmdShading[] = "SHD";

// Paragraph numbering
constexpr char kCmdNumberOn[] = "PGN";
constexpr char kCmdNumberOff[] = "EPN";
constexpr char kCmdNumberDefinition[] = "PND";

// Section and page
constexpr char kCmdPageWidth[] = "PGW";
constexpr char kCmdPageHeight[] = "SFL";
constexpr char kCmdPageOrientation[] = "POR";
constexpr char kCmdTopMargin[] = "STP";
constexpr char kCmdBottomMargin[] = "SBP";
constexpr char kCmdSideMargins[] = "RSM";
constexpr char kCmdPageNumberStart[] = "SPN";
constexpr char kCmdBinding[] = "SPO";
constexpr char kCmdColumnsOn[] = "BCM";
constexpr char kCmdColumnDefinitions[] = "CDS";
constexpr char kCmdColumnsOff[] = "ECM";
constexpr char kCmdNewPage[] = "HNP";
constexpr char kCmdNoteArea[] = "FNI";

// Headers and footers
constexpr char kCmdFooter[] = "HF1";
constexpr char kCmdHeader[] = "HF2";
constexpr char kCmdHeaderFooterEnd[] = "HFX";

// Notes
constexpr char kCmdNoteOn[] = "FNT";
constexpr char kCmdNoteAutonumber[] = "FNA";
constexpr char kCmdNoteOff[] = "EFN";

// Tables (a table is a column group: kCmdColumnsOn, kCmdColumnDefinitions,
// kCmdColumnsOff)
constexpr char kCmdRowStart[] = "BRO";
constexpr char kCmdCellStart[] = "BCO";

// Marks
constexpr char kCmdMarkOn[] = "BMT";
constexpr char kCmdMarkOff[] = "EMT";
constexpr char kCmdCrossReference[] = "XRF";
constexpr char kCmdGeneratedTextOn[] = "BGT";
constexpr char kCmdGeneratedTextOff[] = "EGT";

// Fields and special characters
constexpr char kCmdPageNumber[] = "PPN";
constexpr char kCmdDateTime[] = "DTF";
constexpr char kCmdComment[] = "CMT";
constexpr char kCmdHardHyphen[] = "HHC";
constexpr char kCmdSoftHyphen[] = "SHC";
constexpr char kCmdNonbreakingSpace[] = "NBR";
constexpr char kCmdHardNewline[] = "HNL";
constexpr char kCmdLineBreak[] = "NLN";
constexpr char kCmdColumnBreak[] = "HCB"; // also ends a table cell
constexpr char kCmdTab[] = "TAB";
constexpr char kCmdIncludedFile[] = "FIC";

// Frames and graphics
constexpr char kCmdFrameOn[] = "APO";
constexpr char kCmdFrameOff[] = "APF";
constexpr char kCmdGraphicFile[] = "IGR";
constexpr char kCmdPicture[] = "PCT";
constexpr char kCmdPictureDescription[] = "PDS";
