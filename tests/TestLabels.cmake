# Labels every discovered test by what it costs, so that the edit loop can run `ctest -L fast`
# and CI everything. ctest reads this file after the test programs' own lists, whose names it
# matches against the rules below; a test no rule names is `fast`.
#   povray  runs POV-Ray
#   root    needs the super-user (two users, a mounted disk)
#   x11     needs an X server
#   slow    takes tens of seconds on two cores
set(_vexlin_label_rules
    povray "^(PovRayAcceptanceTest|ImportCorpusPovray\\.|WalledCupPovray\\.|TextPovray\\.|SdlPovrayTest|QtProcessRunner\\.ProgramsWriteOnlyInsideTheirFolder|PovRayCurvesTest|PreviewRenderer\\.PovrayRenders|RenderCommand\\.(ExactCurvesLieOnTheEdgeOfPovraysTopView|PovrayTopViewIsFramed)|VexlinToolTest\\.(Scene(RendersTheDrawing|ShowsEveryPrismFaceOn)|HiddenSceneCodeIsToldAndNeverRun)|InterchangeFilesTest\\.ImportedFilesOpenAndRender|InterchangeCommandsTest\\.ImportAndExportFromTheCommandLine|PreviewInEditor\\.F5Opens|PreviewSketch\\.CoversThePixelsPovrayCovers)"
    root "^(FailureInjection\\.(AFullDisk|SettingsOfAnInstalledProgram)|FileReplace\\.AnotherUserCannotSubvertASave)$"
    slow "^(PovRayAcceptanceTest\\.|Undo\\.EveryGesture|PreviewSketch\\.CoversThePixels|Monkey\\.|PovRayCurvesTest\\.PrismListMessages|RenderCommand\\.ReadsAndRendersAlikeUnderADecimalComma|SceneRoundTrip\\.EveryWritten|InterruptedSave\\.)")

foreach(_list IN ITEMS test_toolkit_TESTS test_model_TESTS test_render_TESTS test_scenefile_TESTS
                       test_interchange_TESTS test_preview_TESTS test_qt_TESTS test_tools_TESTS
                       test_dialogs_TESTS test_app_TESTS)
    foreach(_test IN LISTS ${_list})
        set(_labels "")
        set(_rules ${_vexlin_label_rules})
        while(_rules)
            list(POP_FRONT _rules _label _pattern)
            if(_test MATCHES "${_pattern}")
                list(APPEND _labels ${_label})
            endif()
        endwhile()
        if(NOT _labels)
            set(_labels fast)
        endif()
        set_tests_properties("${_test}" PROPERTIES LABELS "${_labels}")
    endforeach()
endforeach()
