# Tests of the feed dialog, the About box and the help viewer.
