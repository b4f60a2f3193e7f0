        : toggle {
            key        = "t1" ;
            label      = "Keep" ;
            width      = 11.0 ;
            height     =  3.0 ;
            alignment     = left ;
            is_tab_stop = false ;
            is_enabled = false ;
            fixed_height = true ;
            fixed_width = true ;
            value      = "1" ;
        }
