# The property pages of screen capture, its destinations and of training, audio, video
# and movie capture, the capture-settings pages, their sheets and the dialogs they open;
# their dialogs and texts are in pages/Pages.rc, pages/MediaPropertyPages.rc and
# pages/SettingsPages.rc, which the program's resources include.
target_sources(capture PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/pages/AddressBook.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CapturePageHost.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CAudioInputLists.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CaptureDeviceSource.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CaptureRecordCombine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsAudioPlaying.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsAudioRecDevices.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsAudioRecFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsCaptureBase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsCbtPlaying.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsCbtPlayingLaunch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsCbtRecEventFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsCbtRecSound.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsPlayerWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsPresentationPlaying.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsPresentationRecordingDuration.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsPresentationRecordingFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsVideoPlaying.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsVideoRecAudio.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsVideoRecDevice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsVideoRecFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CaptureUiHelpers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CDbColumnsListCtrl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CDlgPickAddress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CDlgProperties.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CDlgScDbExtraColumns.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropertiesCaptureType.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropertiesCaptureTypeSettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsBase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScBase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScClipboard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScCommonDuration.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScDatabase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScEditor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScEmailFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScEmailInfo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScFaxCoverPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScFaxRecipient.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScIcqInfo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScIcqUser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScImageFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScPrinter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScScreenSaver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScWallpaper.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScWebFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPagePropsScWebUpload.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPageSettsBase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPageSettsCBTHotKeys.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPageSettsCommonTime.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPageSettsScMisc.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPPageSettsScSelType.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPSheetCaptureBase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPSheetCaptureProperties.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/CPSheetCaptureSettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/DbExtraColumn.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/DestinationRecordOps.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/SheetPlacement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/TrainingFileLength.cpp)
target_link_libraries(capture PUBLIC netapi32 comctl32)

vell_add_test(pages_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/pages/tests/PageHostFixture.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/tests/PagesContractTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/tests/PageChecksTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/tests/PagesDialogsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/tests/CaptureTypeImagesTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/tests/CaptureUiHelpersTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/tests/StandInDevices.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/tests/CapturePageHostTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/tests/MediaPageDevicesTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/tests/MediaPageEnablingTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/tests/PageChoiceDialogsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/tests/PageRangesTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/Pages.rc
            ${CMAKE_CURRENT_LIST_DIR}/pages/SettingsPages.rc
            ${CMAKE_CURRENT_LIST_DIR}/pages/MediaPropertyPages.rc
            ${CMAKE_CURRENT_LIST_DIR}/CaptureStrings.rc
    LIBS capture testcamera_support
    PEERS odbc
    UNMANAGED_WINDOWS
    TIMEOUT 480)

# The capture-settings pages over a controller with the real screen, movie and training
# managers; real training files, WAV and AVI files give the playing types' lengths.
vell_add_test(settings_pages_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/pages/tests/PageHostFixture.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/tests/SettingsHostFixture.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/tests/StandInDevices.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/tests/SettingsPagesTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/tests/TimePageTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/training/tests/TrainingTestSupport.cpp
            ${CMAKE_CURRENT_LIST_DIR}/audio/tests/AudioTestSupport.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/Pages.rc
            ${CMAKE_CURRENT_LIST_DIR}/pages/SettingsPages.rc
            ${CMAKE_CURRENT_LIST_DIR}/CaptureStrings.rc
    LIBS capture_training cuehook_core
    UNMANAGED_WINDOWS)

# The printer page's print set-up, which lists the printers of the test run's CUPS.
vell_add_test(pages_printer_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/pages/tests/PageHostFixture.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/tests/StandInDevices.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/tests/PrinterPageTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pages/Pages.rc
            ${CMAKE_CURRENT_LIST_DIR}/CaptureStrings.rc
    LIBS capture
    PEERS printer
    UNMANAGED_WINDOWS)
