        : text {
            key        = "t" ;
            label      = "Say \"hi\"" ;
            width      = 10.0 ;
            height     =  1.0 ;
            alignment     = right ;
            is_enabled = false ;
            is_bold = true ;
            fixed_height = true ;
            fixed_width = true ;
        }
