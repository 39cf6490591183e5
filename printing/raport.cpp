// The report engine: replays recorded pages on a QPainter.
