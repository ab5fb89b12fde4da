# Sources of the feed dialog, the About box and the help viewer: list(APPEND QUORVEL_UI_SOURCES ...).
