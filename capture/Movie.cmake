# Movie destination: each grab of the selection appended as a frame to the movie
# manager's AVI file.
target_sources(capture PRIVATE ${CMAKE_CURRENT_LIST_DIR}/destinations/CImagePresentation.cpp
                               ${CMAKE_CURRENT_LIST_DIR}/movie/CMovieFrameGrabber.cpp)
target_link_libraries(capture PUBLIC vfw32 gdi32 user32)

vell_add_test(movie_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CImagePresentationTest.cpp
    LIBS capture)
