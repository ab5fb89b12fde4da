# Sources of the main window: list(APPEND QUORVEL_UI_SOURCES ...), list(APPEND QUORVEL_UI_LIBRARIES ...).
