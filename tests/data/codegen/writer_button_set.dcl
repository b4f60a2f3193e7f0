        : button {
            key        = "ok" ;
            label      = "&OK" ;
            width      = 100.0 ;
            height     =  1.9 ;
            alignment     = right ;
            is_tab_stop = false ;
            is_enabled = false ;
            fixed_height = true ;
            fixed_width = true ;
            is_default = true ;
            is_cancel = true ;
        }
