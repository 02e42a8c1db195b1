// Windows of the program live in the gui folders of their subsystems.
