; café
